#include "editor_fixture.h"

#include "forms/fields/richtext/format_code.h"

std::vector<CHARFORMAT> ReadChars(const std::string& bytes, const TEXTATTR& defaults)
{
    std::vector<CHARFORMAT> chars;
    TEXTATTR attr = defaults;
    for (size_t i = 0; i < bytes.size();) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        if (c == kEsc && i + kCodeLength <= bytes.size()) {
            ApplyFormatCode(bytes[i + 1],
                DecodeFormatValue(static_cast<unsigned char>(bytes[i + 2]), static_cast<unsigned char>(bytes[i + 3])),
                attr);
            i += kCodeLength;
            continue;
        }
        chars.push_back({c, attr});
        ++i;
    }
    return chars;
}

void EditorTest::Open(const std::string& stored, int32_t width, int32_t height)
{
    editor.reset();
    text = Make(stored, width, kTextAlignLeft, height);
    text->opaque = 1;
    editor = std::make_unique<RICHEDITOR>(&owner, text.get());
    editor->Restart(owner.info, 0, 0);
}

std::string EditorTest::Bytes() const
{
    return text->GetBuffer()->GetText();
}

std::vector<CHARFORMAT> EditorTest::Chars() const
{
    return ReadChars(Bytes(), text->GetAttr());
}

std::string EditorTest::Visible() const
{
    std::string s;
    for (const CHARFORMAT& c : Chars())
        s += static_cast<char>(c.ch);
    return s;
}

int EditorTest::Index(const TEXTPOS& pos) const
{
    const std::string bytes = Bytes();
    const auto offset = static_cast<size_t>(pos.GetOffset());
    return static_cast<int>(ReadChars(bytes.substr(0, offset), text->GetAttr()).size());
}

void EditorTest::MoveTo(int index)
{
    editor->OnKeyDown(kKeyHome, false, true);
    for (int i = 0; i < index; ++i)
        editor->OnKeyDown(kKeyRight, false, false);
}

void EditorTest::Select(int from, int to)
{
    MoveTo(from);
    for (int i = from; i < to; ++i)
        editor->OnKeyDown(kKeyRight, true, false);
    for (int i = from; i > to; --i)
        editor->OnKeyDown(kKeyLeft, true, false);
}

std::vector<TEXTLINE> EditorTest::EditorLines()
{
    return Lines(*text, owner.info);
}

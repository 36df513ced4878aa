// Pastes an arbitrary native block with an arbitrary font-table block into
// an editor holding coded text, with either rich-paste setting and with or
// without a selection to replace. Afterwards the text must be sound: the end
// mark last and alone, every code whole, the caret on a character, and the
// selection inactive.
#include "editor_doubles.h"
#include "paste_fonts.h"
#include "text_helpers.h"
#include "tool_setup.h"

#include "forms/fields/richtext/format_code.h"
#include "forms/fields/richtext/rich_clipboard.h"
#include "forms/fields/richtext/richeditor.h"
#include "forms/fields/richtext/richtext.h"

#include "platform/ui/beep.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/message_box.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

// Every ESC opens a whole code and no end mark stands inside the text.
void CheckText(const std::string& text)
{
    for (size_t i = 0; i < text.size(); ++i) {
        CHECK(static_cast<unsigned char>(text[i]) != kEndMark);
        CHECK(text[i] != 0);
        if (static_cast<unsigned char>(text[i]) == kEsc) {
            CHECK(i + kCodeLength <= text.size());
            CHECK(static_cast<unsigned char>(text[i + kCodeLength - 1]) == kEsc);
            i += kCodeLength - 1;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static PasteFonts fonts({"Arial", "Times New Roman", "Courier New"});
    SetupOffscreen((*argv)[0], fonts);
    (void)argc;
    ui::SetBeepHook([] {});
    ui::SetMessageBoxHook([](const ui::MessageBoxRequest&) { return ui::IDOK; });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3)
        return 0;
    const uint8_t flags = data[0];
    const size_t tableLength = std::min<size_t>(size - 3, data[1] | (data[2] << 8));
    const std::string table(reinterpret_cast<const char*>(data + 3), tableLength);
    const std::string native(reinterpret_cast<const char*>(data + 3 + tableLength), size - 3 - tableLength);

    ui::DataSource source;
    source.SetData(kNativeTextFormat, native);
    source.SetData(ui::kFormatText, native + '\0');
    if (flags & 4)
        source.SetData(kFontListFormat, table);
    ui::SetClipboard(source);

    TestOwner owner;
    owner.richPaste = flags & 1;
    owner.replaceSelection = (flags >> 1) & 1;
    RICHTEXT text(Format(kArial, 240), 0, 3 * 1440, (flags & 8) ? 2000 : 100000, 0);
    text.opaque = 1;
    CHECK(text.CreateBuffer("Held " + Code('B', 1) + "text" + Code('T', 2) + "\rwith " + Code('B', 0) + "codes") == 1);
    RICHEDITOR editor(&owner, &text);
    editor.Restart(owner.info, 400, 0);
    if (flags & 16) {
        for (int i = 0; i < 6; ++i)
            editor.OnKeyDown(kKeyRight, true, false);
    }
    editor.PasteFromClipboard(owner.info);

    const std::string after = text.GetBuffer()->GetText();
    CheckText(after);
    CHECK(text.GetBuffer()->GetEnd().IsAtEnd());
    CHECK(editor.GetCaret().GetChar() != kEsc);
    CHECK(!editor.IsSelectionActive());
    // The text stays editable.
    editor.OnChar('x');
    editor.OnKeyDown(kKeyLeft, true, true);
    editor.DeleteSelection();
    CheckText(text.GetBuffer()->GetText());
    owner.surface.Clear();
    return 0;
}

// Random typing in random formats, deletions, selections and format
// commands, checked after every step against a model of (character,
// format) pairs and the caret, anchor and selection end as indexes.
#include "editor_fixture.h"

#include <random>

namespace {

struct Model {
    std::vector<CHARFORMAT> chars;
    int caret = 0;
    int anchor = 0;
    int selEnd = 0;
    bool active = false;
    bool keySelect = false;

    int First() const { return std::min(anchor, selEnd); }
    int Last() const { return std::max(anchor, selEnd); }
    void Clear()
    {
        active = keySelect = false;
        anchor = selEnd = caret;
    }
    // Held indexes after an insertion or deletion at i.
    void Inserted(int i)
    {
        for (int* p : {&caret, &anchor, &selEnd}) {
            if (*p >= i)
                ++*p;
        }
    }
    void Erase(int from, int to)
    {
        chars.erase(chars.begin() + from, chars.begin() + to);
        for (int* p : {&caret, &anchor, &selEnd})
            *p = *p >= to ? *p - (to - from) : std::min(*p, from);
    }
    void DeleteSelection()
    {
        caret = First();
        Erase(First(), Last());
        Clear();
    }
    void Shift(int to)
    {
        if (!keySelect) {
            Clear();
            keySelect = true;
        }
        caret = selEnd = to;
        active = anchor != selEnd;
    }
};

class EditorRandom : public EditorTest {};

TEST_F(EditorRandom, EditsFollowTheModel)
{
    std::mt19937 random(161616);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    auto randomFormat = [&](bool full) {
        TEXTATTR a;
        a.SetMixed();
        auto some = [&] { return full || pick(0, 2) == 0; };
        if (some())
            a.bold = static_cast<uint8_t>(pick(0, 1));
        if (some())
            a.italic = static_cast<uint8_t>(pick(0, 1));
        if (some())
            a.underline = pick(0, 1) ? kUnderlineSingle : kUnderlineNone;
        if (some())
            a.strike = static_cast<uint8_t>(pick(0, 1));
        if (some())
            a.size = static_cast<uint16_t>(std::array {200, 240, 300}[size_t(pick(0, 2))]);
        if (some())
            a.face = static_cast<uint16_t>(pick(0, 2));
        if (some())
            a.colour = std::array {0x000000u, 0x0000FFu, 0x00FF00u}[size_t(pick(0, 2))];
        return a;
    };
    const std::string alphabet = "abc xyz\n\xE9\xFF.";

    Open("", 3 * 1440);
    Model model;
    const TEXTATTR defaults = text->GetAttr();

    for (int step = 0; step < 1500; ++step) {
        SCOPED_TRACE(step);
        const int size = static_cast<int>(model.chars.size());
        const int action = pick(0, 9);
        if (action <= 2) {
            // Typing replaces a selection, in a random typing format.
            if (model.active) {
                ASSERT_EQ(editor->DeleteSelection(), 1);
                model.DeleteSelection();
            }
            const TEXTATTR typed = randomFormat(true);
            editor->SetSelectionAttr(typed);
            const char c = alphabet[size_t(pick(0, int(alphabet.size()) - 1))];
            ASSERT_EQ(editor->OnChar(static_cast<unsigned char>(c)), 1);
            model.chars.insert(model.chars.begin() + model.caret, {static_cast<unsigned char>(c), typed});
            model.Inserted(model.caret);
        } else if (action == 3) {
            if (model.active) {
                ASSERT_EQ(editor->DeleteSelection(), 1);
                model.DeleteSelection();
            } else {
                EXPECT_EQ(editor->DeleteChar(), model.caret < size ? 1 : 0);
                if (model.caret < size)
                    model.Erase(model.caret, model.caret + 1);
            }
        } else if (action == 4) {
            if (model.active) {
                ASSERT_EQ(editor->DeleteSelection(), 1);
                model.DeleteSelection();
            } else {
                EXPECT_EQ(editor->OnBackspace(), model.caret > 0 ? 1 : 0);
                if (model.caret > 0) {
                    --model.caret;
                    model.Erase(model.caret, model.caret + 1);
                }
            }
        } else if (action <= 7) {
            const bool shift = pick(0, 1) == 1;
            const bool left = pick(0, 1) == 1;
            const int moves = pick(1, 4);
            for (int i = 0; i < moves; ++i) {
                editor->OnKeyDown(left ? kKeyLeft : kKeyRight, shift, false);
                if (!shift && model.active) {
                    model.caret = left ? model.First() : model.Last();
                    model.Clear();
                    continue;
                }
                const int to = std::clamp(model.caret + (left ? -1 : 1), 0, size);
                if (to == model.caret)
                    continue;
                if (shift) {
                    model.Shift(to);
                } else {
                    model.caret = to;
                    model.Clear();
                }
            }
        } else if (action == 8) {
            if (model.active) {
                const TEXTATTR change = randomFormat(false);
                ASSERT_EQ(editor->SetSelectionAttr(change), 1);
                for (int i = model.First(); i < model.Last(); ++i)
                    model.chars[size_t(i)].attr.Merge(change);
            }
        } else if (pick(0, 3) == 0) {
            editor->SelectAll();
            model.Clear();
            model.caret = model.anchor = 0;
            model.selEnd = size;
            model.active = size > 0;
        }

        const std::vector<CHARFORMAT> chars = Chars();
        ASSERT_EQ(chars.size(), model.chars.size());
        for (size_t i = 0; i < chars.size(); ++i) {
            SCOPED_TRACE(i);
            ASSERT_EQ(chars[i].ch, model.chars[i].ch);
            TEXTATTR expected = defaults;
            expected.Merge(model.chars[i].attr);
            ASSERT_TRUE(chars[i].attr.IsEqual(expected));
        }
        ASSERT_EQ(editor->IsSelectionActive(), model.active);
        ASSERT_EQ(Index(editor->GetCaret()), model.caret);
        if (model.active) {
            ASSERT_EQ(Index(editor->GetAnchor()), model.anchor);
            ASSERT_EQ(Index(editor->GetSelEnd()), model.selEnd);
        }
        ASSERT_NE(editor->GetCaret().GetChar(), kEsc);
        ASSERT_TRUE(text->GetBuffer()->GetEnd().IsAtEnd());
        ASSERT_EQ(text->GetBuffer()->GetText().find('\x1A'), std::string::npos);
    }
}

} // namespace

// The editing engine in tests over the window and site doubles, with
// helpers that read the text as the visible characters with the format in
// force at each.
#pragma once

#include "editor_doubles.h"
#include "layout_fixture.h"

#include "forms/fields/richtext/richeditor.h"

#include <memory>
#include <string>
#include <vector>

// One visible character and the format in force at it.
struct CHARFORMAT {
    unsigned char ch = 0;
    TEXTATTR attr;
    bool operator==(const CHARFORMAT& other) const { return ch == other.ch && attr.IsEqual(other.attr); }
};

class EditorTest : public LayoutTest {
protected:
    // An editor over the stored text, the caret on the first character.
    void Open(const std::string& stored, int32_t width = 4 * 1440, int32_t height = 100000);
    // The bytes before the end mark.
    std::string Bytes() const;
    // The visible characters with their formats, read from the bytes alone.
    std::vector<CHARFORMAT> Chars() const;
    std::string Visible() const;
    // The number of visible characters before a held position.
    int Index(const TEXTPOS& pos) const;
    int Caret() const { return Index(editor->GetCaret()); }
    // Moves the caret to a visible index with the keys, the selection
    // cleared.
    void MoveTo(int index);
    // Selects from one visible index to another with Shift and the arrows.
    void Select(int from, int to);
    // The laid-out lines.
    std::vector<TEXTLINE> EditorLines();

    TestOwner owner;
    std::unique_ptr<RICHTEXT> text;
    std::unique_ptr<RICHEDITOR> editor;
};

// The visible characters of stored bytes with their formats, from a default.
std::vector<CHARFORMAT> ReadChars(const std::string& bytes, const TEXTATTR& defaults);

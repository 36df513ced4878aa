// The editing engine in tests: a window double that lends a drawing context
// on a recording surface and records the caret, a site double that records
// what the engine reports, and helpers that read the text as the visible
// characters with the format in force at each.
#pragma once

#include "layout_fixture.h"

#include "forms/fields/richtext/edit_site.h"
#include "forms/fields/richtext/editor_owner.h"
#include "forms/fields/richtext/richeditor.h"

#include <memory>
#include <string>
#include <vector>

class TestSite : public EDITSITE {
public:
    void OnSelChange(TEXTATTR attr) override { selChanges.push_back(attr); }
    void ReportCaretAttr(TEXTATTR attr) override { reported.push_back(attr); }
    int AutoScroll(int32_t, int32_t) override { return 0; }
    int FitObjectToText(const RECT& needed) override;

    std::vector<TEXTATTR> selChanges;
    std::vector<TEXTATTR> reported;
    std::vector<RECT> fitAsked;
    // What FitObjectToText answers.
    int grow = 0;
};

class TestOwner : public EDITOROWNER {
public:
    TestOwner();
    EDITSITE* GetSite() override { return &site; }
    TEXTDRAWINFO* GetDrawInfo() override { return &info; }
    void ReleaseDrawInfo(TEXTDRAWINFO*) override {}
    void CreateCaret(int32_t width, int32_t height) override { caretSize = {width, height}; }
    void UpdateCaret(int32_t x, int32_t y) override { caretPoint = {x, y}; }
    void ShowCaret(bool show) override { caretVisible = show; }
    bool HasFocus() const override { return true; }
    void ScrollToCaret() override {}
    uint32_t PickContrastColour() const override { return 0xFFFFFF; }
    int GetReplaceSelection() const override { return replaceSelection; }
    int GetRichPaste() const override { return richPaste; }

    gdi::RecordingSurface surface;
    gdi::DC dc;
    TEXTDRAWINFO info;
    TestSite site;
    POINT caretPoint;
    SIZE caretSize;
    bool caretVisible = false;
    int replaceSelection = 1;
    int richPaste = 1;
};

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

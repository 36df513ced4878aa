// Doubles of the window and the edit site that the editing engine works
// with: the window lends a drawing context on a recording surface and
// records the caret; the site records what the engine reports.
#pragma once

#include "test_fonts.h"

#include "forms/fields/richtext/edit_site.h"
#include "forms/fields/richtext/editor_owner.h"
#include "forms/fields/richtext/textdrawinfo.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/recording_surface.h"

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

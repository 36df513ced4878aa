// What the rich-text editing engine asks of the window that shows it: the
// edit site, a drawing context, the caret, scrolling to the caret, the
// colour behind the text and the two flags that shape typing and pasting.
#pragma once

#include <cstdint>

class EDITSITE;
class TEXTDRAWINFO;

class EDITOROWNER {
public:
    virtual ~EDITOROWNER() = default;

    // The site the edit reports to (never null while editing).
    virtual EDITSITE* GetSite() = 0;
    // A drawing context of the window whose logical unit is the twip at the
    // view's zoom, valid until ReleaseDrawInfo.
    virtual TEXTDRAWINFO* GetDrawInfo() = 0;
    virtual void ReleaseDrawInfo(TEXTDRAWINFO* info) = 0;

    // The caret: made at a size (device units), placed at a point of the
    // text (twips), shown or hidden.
    virtual void CreateCaret(int32_t width, int32_t height) = 0;
    virtual void UpdateCaret(int32_t x, int32_t y) = 0;
    virtual void ShowCaret(bool show) = 0;
    virtual bool HasFocus() const = 0;
    // Scrolls the view so that the caret can be seen.
    virtual void ScrollToCaret() = 0;

    // The colour (COLORREF) that fills the text area below the last line.
    virtual uint32_t PickContrastColour() const = 0;
    // 1: a typed character or a paste replaces an active selection; 0: the
    // selection is dropped and the caret goes to its start.
    virtual int GetReplaceSelection() const = 0;
    // 1: paste takes the rich format when offered; 0: plain text only.
    virtual int GetRichPaste() const = 0;
};

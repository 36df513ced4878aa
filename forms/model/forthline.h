// The horizontal or vertical line of a form: its rectangle, drawn as one
// border stroke along the longer side. Table boundaries are built on it.
#pragma once

#include "forms/model/line_object.h"

#include <memory>

class FORTHLINE : public LINE_OBJECT {
public:
    const char* GetRuntimeClass() const override { return "FORTHLINE"; }
    uint8_t GetType() const override { return kTypeOrthLine; }
    // Draws the stroke, then the tracker.
    void Draw(VIEWDC& dc) override;
    // The outer rectangle, widened across a thin line so that it can be hit.
    int HitTest(VIEWDC& dc, int32_t x, int32_t y) override;
    std::unique_ptr<FORMOBJ> Clone() const override;
    void GetUpdateRect(RECT& out, VIEWDC& dc, int withHandles) override;
    // The border's outer rectangle across the line; its length unchanged.
    void GetOuterRect(RECT& out, VIEWDC& dc) override;
    // A vertical line through the middle of the base's default rectangle,
    // twice as long as that is wide.
    void ResetToDefaults() override;
    void DrawFocusOutline(const RECT& rect, gdi::DC* dc) override;
    // Inverts a one-pixel strip along the rectangle's longer side.
    void DrawDragOutline(gdi::DC* dc, const RECT& rect) override;
    // Snaps the dragged edges and keeps the line horizontal or vertical
    // with no thickness (forthline_track.cpp).
    void AdjustRect(int handle, RECT& rect, OBJECT_VIEW* view) override;
    // The middle handles at the line's two ends.
    unsigned GetHandleMask() override;

    // The rectangle the line occupies.
    virtual void GetLineRect(RECT& out);

    // Init, then takes the border; 0 when Init fails.
    int InitNew(const BORDER& border) { return InitWithBorder(border); }
    // The base part and the other line's border.
    void CopyFrom(const FORMOBJ& source) override;

    // Taller than wide; a square or empty rectangle counts as horizontal.
    static bool IsVertical(const RECT& r) { return r.Height() > r.Width(); }
};

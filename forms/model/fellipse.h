// The ellipse of a form: an elliptic border, fill and drop shadow inscribed
// in the object rectangle. Kept like a box, drawn and hit-tested as an
// ellipse; its border is always solid and never rounded.
#pragma once

#include "forms/model/fbox.h"

class FELLIPSE : public FBOX {
public:
    const char* GetRuntimeClass() const override { return "FELLIPSE"; }
    // As the box's, the border's rounded flag left at 0.
    int Init() override;
    uint8_t GetType() const override { return kTypeEllipse; }
    void Draw(VIEWDC& dc) override;
    // The point (device units) lies in the ellipse of the outer rectangle.
    int HitTest(VIEWDC& dc, int32_t x, int32_t y) override;
    std::unique_ptr<FORMOBJ> Clone() const override;
    // The base's defaults, twice as high as wide.
    void ResetToDefaults() override;
    // Style 1, rounded flag 0.
    void SetBorder(const BORDER& border) override;
    // The move cursor only over the ellipse, not its rectangle's corners.
    int SetCursor(OBJECT_VIEW* view, int hitCode) override;
    void DrawFocusOutline(const RECT& rect, gdi::DC* dc) override;
    // A dotted inverted ellipse.
    void DrawDragOutline(gdi::DC* dc, const RECT& rect) override;

protected:
    // The tracker's outline: an ellipse one device pixel outside.
    void DrawTrackerOutline(VIEWDC& dc, const RECT& r) override;
    // Loaded borders keep the ellipse's rules; a master read before the
    // border stays linked.
    void LoadBorder(RECORDARCHIVE& ar) override;

private:
    // On a picture: one ellipse with the border's pen and the fill's brush.
    void DrawOnPicture(VIEWDC& dc);
};

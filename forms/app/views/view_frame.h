// What a form view asks of the child frame it sits in: the rulers along the
// frame's top and left, which the view keeps in step with its page.
#pragma once

#include <cstdint>

class QWidget;

// A ruler as the view drives it: its scale, unit, markers and drawing.
class VIEW_RULER {
public:
    virtual ~VIEW_RULER() = default;

    virtual QWidget* GetWindow() const = 0;
    // pixel = (twips - scrollOrigin) x numerator / denominator + pageStart;
    // the page is pageLength twips long, the visible scale ends at
    // visibleEnd.
    virtual void SetScale(int32_t numerator, int32_t denominator, int32_t pageStart, int32_t scrollOrigin,
        int32_t pageLength, int32_t visibleEnd)
        = 0;
    // 1 centimetres, any other value inches.
    virtual void SetUnit(uint8_t unit) = 0;
    virtual void SetShown(bool shown) = 0;
    virtual void SetSelectionFlag(bool on) = 0;
    virtual void HideMarkers() = 0;
    virtual void ShowMarker(int32_t position) = 0;
    virtual void ShowObjectExtent(int32_t start, int32_t end) = 0;
    virtual void Refresh() = 0;
    virtual void Redraw() = 0;
};

class VIEW_FRAME {
public:
    virtual ~VIEW_FRAME() = default;

    // The ruler along the top (horizontal) or the left; null without one.
    virtual VIEW_RULER* GetRuler(bool horizontal) const = 0;
    // Shows or hides both rulers.
    virtual void ShowRulers(bool show) = 0;
    virtual bool AreRulersShown() const = 0;
};

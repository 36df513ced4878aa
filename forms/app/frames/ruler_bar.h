// A form window's ruler: the top one (horizontal) or the left one. It draws
// a scale in inches or centimetres that follows the design view's zoom and
// scroll, numbers the whole units, and shows up to two markers: the
// pointer's position, or the two edges of an object being placed or sized.
// Markers are drawn and erased by inverting their rectangle.
#pragma once

#include "forms/app/views/view_frame.h"

#include "platform/gdi/types.h"
#include "platform/ui/surface_window.h"

#include <QPointer>

#include <cstdint>

class QWidget;

namespace gdi {
class DC;
}
// Window ids of the two rulers.
inline constexpr int ID_RULER_HORZ = 103;
inline constexpr int ID_RULER_VERT = 104;

class RULERBAR : public VIEW_RULER {
public:
    // The thickness across the ruler: the top ruler's height, the left
    // ruler's width.
    static constexpr int kHorizontalHeight = 24;
    static constexpr int kVerticalWidth = 22;

    RULERBAR();
    ~RULERBAR() override;
    RULERBAR(const RULERBAR&) = delete;
    RULERBAR& operator=(const RULERBAR&) = delete;

    // Makes the window, shown, in the parent; false when it cannot be made.
    bool Create(QWidget* parent, bool horizontal);
    ui::SurfaceWindow* GetWindow() const override;
    bool IsHorizontal() const { return horizontal_; }

    // The scale (from the design view): pixel = (twips - scroll origin)
    // x numerator / denominator + page start, in the ruler's pixels; the
    // page is pageLength twips long; the visible scale ends at visibleEnd.
    void SetScale(int32_t numerator, int32_t denominator, int32_t pageStart, int32_t scrollOrigin, int32_t pageLength,
        int32_t visibleEnd) override;
    // 1 centimetres, any other value inches.
    void SetUnit(uint8_t unit) override { unit_ = unit; }
    uint8_t GetUnit() const { return unit_; }
    // The scale is drawn only while the ruler is shown.
    void SetShown(bool shown) override { shown_ = shown; }
    bool IsShown() const { return shown_; }
    // While clear, no object extent shows.
    void SetSelectionFlag(bool on) override { selection_ = on; }
    bool GetSelectionFlag() const { return selection_; }

    // Marker positions, pixels from the page start; -1 when not shown.
    int32_t GetFirstMarker() const { return first_; }
    int32_t GetSecondMarker() const { return second_; }
    // Erases the markers shown.
    void HideMarkers() override;
    // The pointer's position; ignored while an object's extent shows.
    void ShowMarker(int32_t position) override;
    // The two edges of an object.
    void ShowObjectExtent(int32_t start, int32_t end) override;
    // After a scroll or zoom: markers erased, the scale drawn anew.
    void Refresh() override;
    // Draws the whole ruler at once.
    void Redraw() override;

private:
    void OnPaint(gdi::DC& dc, const gdi::RECT& client);
    void DrawTicks(gdi::DC& dc);
    // Inverts the marker at the position (pixels from the page start).
    void InvertMarker(int32_t position);
    // The position kept for a marker: -1 before the page or past its end.
    int32_t Placeable(int32_t position) const;
    // Along the ruler: twips to pixels on the ruler.
    int32_t ToPixels(int32_t twips) const;
    // Across the ruler, the edge of the scale the ticks stand on.
    int32_t ScaleEdge() const;

    QPointer<ui::SurfaceWindow> window_;
    bool shown_ = false;
    bool selection_ = false;
    bool horizontal_ = true;
    int32_t denominator_ = 1440;
    int32_t numerator_ = 96;
    int32_t pageStart_ = 0;
    int32_t scrollOrigin_ = 0;
    int32_t pageLength_ = 0;
    int32_t visibleEnd_ = 0;
    uint8_t unit_ = 0;
    int32_t first_ = -1;
    int32_t second_ = -1;
};

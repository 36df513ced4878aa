#include "forms/model/drag_baselines.h"

#include "forms/model/fill_patterns.h"
#include "forms/model/object_view.h"

#include "platform/gdi/dc.h"

namespace {

// The shared pattern of baseline bands.
constexpr int kBaselinePattern = 5;

} // namespace

void InvertDragBaselines(gdi::DC& dc, OBJECT_VIEW& view, const RECT& area, int32_t first, int32_t pitch, int32_t bottom)
{
    if (pitch <= 0)
        return;
    RECT device = area;
    view.ToDeviceRect(device);
    RECT limit {area.left, bottom, area.right, bottom};
    view.ToDeviceRect(limit);
    dc.SelectObject(SharedFillPatterns().brushes[kBaselinePattern]);
    for (int64_t y = int64_t {area.top} + first; y < bottom; y += pitch) {
        RECT line {area.left, static_cast<int32_t>(y), area.right, static_cast<int32_t>(y)};
        view.ToDeviceRect(line);
        if (line.top + 1 >= limit.top)
            break;
        dc.PatBlt(device.left, line.top, device.right - device.left, 1, gdi::PATINVERT);
    }
}

#include "forms/model/tracker_geometry.h"

#include "forms/model/viewdc.h"

#include <array>

namespace {

constexpr std::array<HandlePlacement, 8> kPlaces {{
    {false, false, false, false, 0, 0, 1, 3},
    {true, false, false, false, -1, 0, 0, 2},
    {true, true, false, false, -1, -1, 3, 1},
    {false, true, false, false, 0, -1, 2, 0},
    {false, false, true, false, 0, 0, 4, 6},
    {true, false, false, true, -1, 0, 7, 5},
    {false, true, true, false, 0, -1, 6, 4},
    {false, false, false, true, 0, 0, 5, 7},
}};

constexpr std::array<uint8_t, 9> kDragged {kDragLeft | kDragTop, kDragRight | kDragTop, kDragRight | kDragBottom,
    kDragLeft | kDragBottom, kDragTop, kDragRight, kDragBottom, kDragLeft,
    kDragLeft | kDragTop | kDragRight | kDragBottom};

} // namespace

const HandlePlacement& HandlePlace(int handle)
{
    return kPlaces.at(static_cast<size_t>(handle));
}

uint8_t DraggedEdges(int handle)
{
    return handle < 0 || handle > kHitInside ? 0 : kDragged[static_cast<size_t>(handle)];
}

int InvertHandle(int handle, const RECT& r)
{
    if (handle < 0 || handle >= kHitInside)
        return handle;
    if (r.left > r.right)
        handle = HandlePlace(handle).invertedX;
    if (r.top > r.bottom)
        handle = HandlePlace(handle).invertedY;
    return handle;
}

POINT DeviceToLogical(VIEWDC& dc, POINT device)
{
    dc.DPtoLP(&device, 1);
    return {device.x + dc.originX, device.y + dc.originY};
}

POINT LogicalToDevice(VIEWDC& dc, POINT logical)
{
    POINT p {logical.x - dc.originX, logical.y - dc.originY};
    dc.LPtoDP(&p, 1);
    return p;
}

bool PointInRect(const RECT& r, POINT p)
{
    return r.left <= p.x && p.x < r.right && r.top <= p.y && p.y < r.bottom;
}

// The geometry of the selection tracker's handles: where each handle sits
// on a rectangle, which handle it becomes on an inverted rectangle, which
// edges it drags; and the conversions of the tracker's points.
#pragma once

#include "forms/model/geometry.h"

#include <cstdint>

class VIEWDC;

// The handles, by where they sit on the rectangle.
constexpr int kHandleTopLeft = 0;
constexpr int kHandleTopRight = 1;
constexpr int kHandleBottomRight = 2;
constexpr int kHandleBottomLeft = 3;
constexpr int kHandleTop = 4;
constexpr int kHandleRight = 5;
constexpr int kHandleBottom = 6;
constexpr int kHandleLeft = 7;
// The corners come first, then the sides: this many handles in all.
constexpr int kCornerHandles = 4;
constexpr int kHandleCount = 8;

// Hit codes besides the handles 0 to 7.
constexpr int kHitInside = 8;
constexpr int kHitNothing = -1;

// The client-area hit code of a cursor request.
constexpr int kHitClient = 1;

// The side of a view that a drag near its edge scrolls towards
// (OBJECT_VIEW::GetAutoScrollSide, OBJECT_VIEW::ScrollLine).
constexpr int kScrollLeft = 1;
constexpr int kScrollRight = 2;
constexpr int kScrollTop = 3;
constexpr int kScrollBottom = 4;

// Style bits of a tracker.
constexpr uint32_t kTrackSolid = 1;
constexpr uint32_t kTrackDotted = 2;
constexpr uint32_t kTrackHatchedBorder = 4;
constexpr uint32_t kTrackHandlesInside = 8;
constexpr uint32_t kTrackHandlesOutside = 16;
constexpr uint32_t kTrackHatchedInside = 32;
// The selection's tracker, and every object's until it is given another.
constexpr uint32_t kTrackStandard = kTrackDotted | kTrackHandlesOutside;

struct HandlePlacement {
    bool right; // placed from the right edge, else the left
    bool bottom; // placed from the bottom edge, else the top
    bool centreX; // centred along x
    bool centreY; // centred along y
    int8_t shiftX; // in handle sizes
    int8_t shiftY;
    int8_t invertedX; // the handle it becomes on a rectangle inverted in x
    int8_t invertedY; // ... and in y
};

// Handles 0 to 7.
const HandlePlacement& HandlePlace(int handle);

// The edges a handle drags; the inside (8) drags all four.
enum : uint8_t { kDragLeft = 1, kDragTop = 2, kDragRight = 4, kDragBottom = 8 };
uint8_t DraggedEdges(int handle);

// Moves the edges given (kDrag... bits) by (dx, dy).
inline void ShiftDragged(RECT& r, uint8_t edges, int32_t dx, int32_t dy)
{
    if (edges & kDragLeft)
        r.left += dx;
    if (edges & kDragRight)
        r.right += dx;
    if (edges & kDragTop)
        r.top += dy;
    if (edges & kDragBottom)
        r.bottom += dy;
}

// The handle as it shows on a rectangle inverted in x or y (or both).
int InvertHandle(int handle, const RECT& r);

// A device point of the context's window to logical units with the
// scroll origin, and back.
POINT DeviceToLogical(VIEWDC& dc, POINT device);
POINT LogicalToDevice(VIEWDC& dc, POINT logical);

// Whether a point lies in a rectangle: right and bottom excluded.
bool PointInRect(const RECT& r, POINT p);

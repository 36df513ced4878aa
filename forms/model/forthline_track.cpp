// The orthogonal line's tracking: whichever handle is dragged, the line
// stays horizontal or vertical with no thickness of its own.
#include "forms/model/forthline.h"

#include "forms/model/object_view.h"
#include "forms/model/tracker_geometry.h"

#include <cstdlib>

void FORTHLINE::AdjustRect(int handle, RECT& r, OBJECT_VIEW* view)
{
    // A move keeps the line as it is, a table boundary's thickness too.
    if (handle < 0 || handle >= kHitInside)
        return;
    const uint8_t edges = DraggedEdges(handle);
    int32_t* x = edges & kDragLeft ? &r.left : edges & kDragRight ? &r.right : nullptr;
    int32_t* y = edges & kDragTop ? &r.top : edges & kDragBottom ? &r.bottom : nullptr;
    if (view && x) {
        view->SnapX(*x);
        view->ClampX(*x);
    }
    if (view && y) {
        view->SnapY(*y);
        view->ClampY(*y);
    }
    // The longer extent decides the orientation, whichever way the
    // rectangle was dragged; the dragged edge across it is put back on
    // the opposite one.
    if (std::abs(r.Height()) < std::abs(r.Width())) {
        if (y)
            *y = y == &r.top ? r.bottom : r.top;
    } else if (x) {
        *x = x == &r.left ? r.right : r.left;
    }
}

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
    const auto [x, y] = SnapDraggedEdges(handle, r, view);
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

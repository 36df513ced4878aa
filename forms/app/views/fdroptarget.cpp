#include "forms/app/views/fdroptarget.h"

namespace {

POINT PointOf(QPoint p)
{
    return {p.x(), p.y()};
}

// The direction of one axis of a code: 0 back, 1 forward, 0xFF none.
uint8_t AxisOf(uint16_t direction, int axis)
{
    return static_cast<uint8_t>(axis == 0 ? direction & 0xFF : direction >> 8);
}

} // namespace

unsigned FDROPTARGET::OnDragEnter(const ui::DataObject& data, unsigned keyState, QPoint point)
{
    return view.OnDragEnter(data, keyState, PointOf(point));
}

unsigned FDROPTARGET::OnDragOver(const ui::DataObject& data, unsigned keyState, QPoint point)
{
    return view.OnDragOver(data, keyState, PointOf(point));
}

void FDROPTARGET::OnDragLeave()
{
    view.OnDragLeave();
}

bool FDROPTARGET::OnDrop(const ui::DataObject& data, unsigned effect, QPoint point)
{
    return view.OnDrop(data, effect, PointOf(point));
}

bool FDROPTARGET::CanScroll(uint16_t direction)
{
    for (int axis = 0; axis < 2; ++axis) {
        const uint8_t way = AxisOf(direction, axis);
        if (way != 0xFF && !view.CanDragScroll(axis, way == 1))
            return false;
    }
    return true;
}

void FDROPTARGET::Scroll(uint16_t direction)
{
    for (int axis = 0; axis < 2; ++axis) {
        const uint8_t way = AxisOf(direction, axis);
        if (way != 0xFF)
            view.DragScroll(axis, way == 1);
    }
}

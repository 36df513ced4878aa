// The drop target of a form view: the drag notifications go to the view,
// and a drag resting near the window's border scrolls the view a line at a
// time.
#pragma once

#include "forms/model/geometry.h"

#include "platform/ui/drop_target.h"

// What a form view does with a drag over its window, and the line steps
// the target scrolls it by.
class DragReceiver {
public:
    virtual ~DragReceiver() = default;
    virtual unsigned OnDragEnter(const ui::DataObject& data, unsigned keyState, POINT point) = 0;
    virtual unsigned OnDragOver(const ui::DataObject& data, unsigned keyState, POINT point) = 0;
    virtual void OnDragLeave() = 0;
    virtual bool OnDrop(const ui::DataObject& data, unsigned effect, POINT point) = 0;
    // Axis 0 horizontal, 1 vertical; forward is right or down. The test
    // changes nothing.
    virtual bool CanDragScroll(int axis, bool forward) = 0;
    virtual void DragScroll(int axis, bool forward) = 0;
};

class FDROPTARGET : public ui::DropTarget {
public:
    explicit FDROPTARGET(DragReceiver& view)
        : view(view)
    {}

    unsigned OnDragEnter(const ui::DataObject& data, unsigned keyState, QPoint point) override;
    unsigned OnDragOver(const ui::DataObject& data, unsigned keyState, QPoint point) override;
    void OnDragLeave() override;
    bool OnDrop(const ui::DataObject& data, unsigned effect, QPoint point) override;

protected:
    // Both axes of the direction code must be able to move.
    bool CanScroll(uint16_t direction) override;
    void Scroll(uint16_t direction) override;

private:
    DragReceiver& view;
};

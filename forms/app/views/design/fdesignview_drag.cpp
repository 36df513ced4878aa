// Dragging the selected objects of the design view: the press waits in the
// tracking loop, then a click reselects and a pointer gone more than 3
// pixels starts a drag of the selection's data.
#include "forms/app/views/design/fdesignview.h"

#include "forms/app/views/design/selection_drag.h"
#include "forms/document/fdocument.h"
#include "forms/model/viewdc.h"
#include "forms/objects/fselection.h"

#include "platform/ui/cursor.h"
#include "platform/ui/tracking_loop.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace {

// While the press waits to become a drag, any key but Escape and Ctrl
// takes the capture away from the window, which ends the wait; the key
// itself is swallowed.
class KeyEndsWait : public QObject {
public:
    KeyEndsWait(QWidget& window, const SelectionDrag& drag)
        : window(&window)
        , drag(drag)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~KeyEndsWait() override { QCoreApplication::instance()->removeEventFilter(this); }
    KeyEndsWait(const KeyEndsWait&) = delete;
    KeyEndsWait& operator=(const KeyEndsWait&) = delete;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (drag.GetPhase() != SelectionDrag::Phase::Waiting || e->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Control)
            return false;
        if (window) {
            QEvent lost(QEvent::UngrabMouse);
            QCoreApplication::sendEvent(window.data(), &lost);
        }
        return true;
    }

private:
    QPointer<QWidget> window;
    const SelectionDrag& drag;
};

} // namespace

void FDESIGNVIEW::DragSelection(POINT point)
{
    QWidget* window = GetWindow();
    FDOCUMENT* doc = GetFormDocument();
    if (!window || !doc || selection->GetCount() == 0)
        return;

    VIEWDC dc(this, kOwnWindow);
    if (!dc.IsSetUp())
        return;
    SelectionDrag drag(*this, dc, point, drop.DragSourceFlag());
    drag.SetHandOver([this](SelectionDrag& wait) { drop.RunDragDrop(wait); });
    {
        ui::ScopedCapture capture(*window);
        KeyEndsWait keys(*window, drag);
        ui::RunDrag(*window, drag);
    }
    const SelectionDrag::Phase ended = drag.GetPhase();
    if (ended == SelectionDrag::Phase::Clicked) {
        ReselectAtPress();
        return;
    }
    if (ended == SelectionDrag::Phase::Dropped || ended == SelectionDrag::Phase::NotDropped)
        UpdateCursor(point);
}

void FDESIGNVIEW::ReselectAtPress()
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return;
    FORMOBJ* hit;
    {
        VIEWDC dc(this, kOwnWindow);
        if (!dc.IsSetUp())
            return;
        hit = doc->GetObjects().HitTest(dc, static_cast<uint16_t>(currentPage), mouseDown.x, mouseDown.y, nullptr);
    }
    if (selection->GetCount() != 1) {
        selection->Deselect(this);
        if (hit)
            hit->Select(this);
    } else if (FORMOBJ* one = selection->GetFirstSelected(); one && one == hit) {
        // Selected again: a table picks the part under the press.
        one->Select(this);
    }
    UpdateCursor(mouseDown);
    if (FORMOBJ* one = selection->GetCount() == 1 ? selection->GetFirstSelected() : nullptr)
        if (one->GetType() != kTypeGroup && one->GetType() != kTypeTable)
            one->Invalidate(this);
    UpdateWindow();
    ShowSelectionPosSize();
    SetFocus();
}

void FDESIGNVIEW::OnScroll(Qt::Orientation orientation, int position)
{
    drop.EraseBeforeScroll();
    FBASEVIEW::OnScroll(orientation, position);
    FollowEditedObject();
}

// Dragging the selected objects within the design view: the drag runs in
// the tracking loop, then a click reselects and a drop moves the selection
// to its new place.
#include "forms/app/views/design/fdesignview.h"

#include "forms/app/views/design/selection_drag.h"
#include "forms/document/fdocument.h"
#include "forms/model/fselection.h"
#include "forms/model/viewdc.h"

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
class KEY_ENDS_WAIT : public QObject {
public:
    KEY_ENDS_WAIT(QWidget& window, const SELECTION_DRAG& drag) : window(&window), drag(drag)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~KEY_ENDS_WAIT() override { QCoreApplication::instance()->removeEventFilter(this); }
    KEY_ENDS_WAIT(const KEY_ENDS_WAIT&) = delete;
    KEY_ENDS_WAIT& operator=(const KEY_ENDS_WAIT&) = delete;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (drag.GetPhase() != SELECTION_DRAG::Phase::Waiting || e->type() != QEvent::KeyPress)
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
    const SELECTION_DRAG& drag;
};

} // namespace

void FDESIGNVIEW::DragSelection(POINT point)
{
    QWidget* window = GetWindow();
    FDOCUMENT* doc = GetFormDocument();
    if (!window || !doc || selection->GetCount() == 0)
        return;
    RECT noted;
    selection->GetRect(noted);
    const std::vector<FORMOBJ*> snapshot = FieldsByPosition();

    VIEWDC dc(this, kOwnWindow);
    if (!dc.IsSetUp())
        return;
    SELECTION_DRAG drag(*this, dc, point, dragSource);
    {
        ui::ScopedCapture capture(*window);
        KEY_ENDS_WAIT keys(*window, drag);
        ui::RunDrag(*window, drag);
    }
    const SELECTION_DRAG::Phase ended = drag.GetPhase();
    if (ended == SELECTION_DRAG::Phase::Clicked) {
        ReselectAtPress();
        return;
    }
    if (ended != SELECTION_DRAG::Phase::Dropped && ended != SELECTION_DRAG::Phase::NotDropped)
        return;
    UpdateCursor(point);
    if (ended == SELECTION_DRAG::Phase::NotDropped)
        return;

    const RECT& target = drag.GetTarget();
    selection->Invalidate(this);
    selection->SetRectBy(target.left, target.top, target.right, target.bottom);
    selection->Invalidate(this);
    FollowFillingOrder(snapshot);
    RECT after;
    selection->GetRect(after);
    if (!(after == noted))
        doc->SetModified(true);
    UpdateWindow();
    ShowSelectionPosSize();
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
    }
    UpdateCursor(mouseDown);
    if (FORMOBJ* one = selection->GetCount() == 1 ? selection->GetFirstSelected() : nullptr)
        if (one->GetType() != kTypeGroup && one->GetType() != kTypeTable)
            one->Invalidate(this);
    UpdateWindow();
    ShowSelectionPosSize();
    SetFocus();
}

// Dragging the selected objects within the design view: the wait for the
// pointer to leave the press point, then the drag outline following the
// pointer on the snap grid under the placement rule, and the drop that
// moves the selection there.
#include "forms/app/views/design/fdesignview.h"

#include "forms/document/fdocument.h"
#include "forms/model/fselection.h"
#include "forms/model/placement_guard.h"
#include "forms/model/tracker_geometry.h"
#include "forms/model/tracker_resources.h"
#include "forms/model/viewdc.h"

#include "platform/ui/cursor.h"
#include "platform/ui/tracking_loop.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include <cstdlib>

namespace {

// How far (device pixels, in x or in y) the pointer must go from the press
// before a drag starts.
constexpr int kDragThreshold = 3;

// While the press waits to become a drag, any key but Escape and Ctrl
// takes the capture away from the window, which ends the wait; the key
// itself is swallowed.
class KEY_ENDS_WAIT : public QObject {
public:
    KEY_ENDS_WAIT(QWidget& window, const bool& waiting) : window(&window), waiting(waiting)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~KEY_ENDS_WAIT() override { QCoreApplication::instance()->removeEventFilter(this); }
    KEY_ENDS_WAIT(const KEY_ENDS_WAIT&) = delete;
    KEY_ENDS_WAIT& operator=(const KEY_ENDS_WAIT&) = delete;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (!waiting || e->type() != QEvent::KeyPress)
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
    const bool& waiting;
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

    VIEWDC dc(this);
    if (!SetupOwnDC(dc))
        return;
    const POINT grabbed = DeviceToLogical(dc, point);
    const POINT grab{grabbed.x - noted.left, grabbed.y - noted.top};
    const int32_t width = noted.Width();
    const int32_t height = noted.Height();

    // Where the selection would go for a pointer position (page twips).
    const auto placeAt = [&](POINT device) {
        POINT p = DeviceToLogical(dc, device);
        p = {p.x - grab.x, p.y - grab.y};
        SnapPoint(p);
        return RECT{p.x, p.y, p.x + width, p.y + height};
    };
    const auto placeable = [&](const RECT& r) {
        RECT turned = r;
        selection->RotateTrackerRect(turned);
        turned = turned.Normalized().Offset(-dc.originX, -dc.originY);
        return IsValidPlacement(turned.left, turned.top, turned.right, turned.bottom, selection.get()) != 0;
    };

    // The outline is drawn by inversion: drawing it again erases it.
    bool shown = false;
    RECT shownDevice{};
    bool refused = false;
    const auto erase = [&] {
        if (shown)
            selection->DrawDragOutline(this, shownDevice, dc.dc);
        shown = false;
    };
    const auto over = [&](POINT device) {
        const RECT r = placeAt(device);
        RECT onWindow = r;
        ToDeviceRect(onWindow);
        if (shown && onWindow == shownDevice)
            return;
        erase();
        refused = !placeable(r);
        selection->DrawDragOutline(this, onWindow, dc.dc);
        shownDevice = onWindow;
        shown = true;
        ui::SetCursor(*window, TrackerCursor(refused ? kCursorNotAllowed : kHitInside));
        ShowPositionInRulers(&r);
        ShowPosSize(r);
    };

    // First the wait: a release is a click, a move beyond the threshold
    // starts the drag, which a release drops.
    bool waiting = true;
    bool clicked = false;
    bool dropped = false;
    RECT target{};
    {
        const struct DragEnds {
            bool& flag;
            ~DragEnds() { flag = false; }
        } dragEnds{dragSource};
        PLACEMENT_GUARD guard(this, *selection, dc);
        ui::ScopedCapture capture(*window);
        KEY_ENDS_WAIT keys(*window, waiting);
        ui::RunTrackingLoop(*window, [&](const ui::TrackEvent& e) {
            const POINT at{e.pos.x(), e.pos.y()};
            switch (e.kind) {
            case ui::TrackKind::Escape:
                return waiting;
            case ui::TrackKind::Release:
                if (waiting) {
                    clicked = true;
                    return false;
                }
                over(at);
                dropped = !refused;
                target = placeAt(at);
                return false;
            case ui::TrackKind::Move:
                if (waiting) {
                    if (std::abs(at.x - point.x) <= kDragThreshold && std::abs(at.y - point.y) <= kDragThreshold)
                        return true;
                    waiting = false;
                    dragSource = true;
                    for (FORMOBJ* o = doc->GetObjects().GetHead(); o; o = o->GetNext())
                        if (o->IsSelected(nullptr))
                            o->EndEdit();
                }
                over(at);
                return true;
            default:
                return false;
            }
        });
        erase();
    }
    if (clicked) {
        ReselectAtPress();
        return;
    }
    if (waiting)
        return;
    ShowPositionInRulers(nullptr);
    UpdateCursor(point);
    if (!dropped)
        return;

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
        VIEWDC dc(this);
        if (!SetupOwnDC(dc))
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

#include "platform/ui/drop_target.h"

#include "platform/ui/clock.h"
#include "platform/ui/drag_drop.h"

#include <QDropEvent>
#include <QWidget>

namespace ui {

namespace {

Qt::DropAction ActionOf(unsigned effect)
{
    switch (effect) {
    case kDropCopy:
        return Qt::CopyAction;
    case kDropMove:
        return Qt::MoveAction;
    default:
        return Qt::IgnoreAction;
    }
}

} // namespace

DropTarget::DropTarget()
{
    repeat.setInterval(static_cast<int>(kDragScrollInterval));
    QObject::connect(&repeat, &QTimer::timeout, this, [this] { Repeat(); });
}

DropTarget::~DropTarget()
{
    Revoke();
}

bool DropTarget::Register(QWidget& target)
{
    if (window)
        return window == &target;
    window = &target;
    acceptDropsBefore = target.acceptDrops();
    target.setAcceptDrops(true);
    target.installEventFilter(this);
    return true;
}

void DropTarget::Revoke()
{
    repeat.stop();
    if (!window)
        return;
    window->removeEventFilter(this);
    window->setAcceptDrops(acceptDropsBefore);
    window = nullptr;
}

uint16_t DropTarget::ScrollDirectionAt(QPoint point) const
{
    if (!window)
        return kNoScroll;
    const QRect client = window->rect();
    const QRect inner = client.adjusted(kDragScrollInset, kDragScrollInset, -kDragScrollInset, -kDragScrollInset);
    if (!client.contains(point) || inner.contains(point))
        return kNoScroll;
    // QRect's right and bottom are the last pixels inside.
    uint16_t horizontal = 0xFF;
    if (point.x() < inner.left())
        horizontal = 0;
    else if (point.x() > inner.right())
        horizontal = 1;
    uint16_t vertical = 0xFF;
    if (point.y() < inner.top())
        vertical = 0;
    else if (point.y() > inner.bottom())
        vertical = 1;
    return static_cast<uint16_t>(horizontal | (vertical << 8));
}

bool DropTarget::OnDragScroll(unsigned keyState, QPoint point)
{
    uint16_t direction = ScrollDirectionAt(point);
    if (direction != kNoScroll && !CanScroll(direction))
        direction = kNoScroll;
    if (direction == kNoScroll) {
        if (scrollDirection != kNoScroll) {
            // The view shows its normal feedback again.
            EndScroll();
            Over(keyState, point);
        }
        return false;
    }
    const uint32_t now = GetTickCount();
    if (direction != scrollDirection) {
        scrollWait = kDragScrollDelay;
        lastScrollTime = now;
    }
    if (now - lastScrollTime > scrollWait) {
        Scroll(direction);
        lastScrollTime = now;
        scrollWait = kDragScrollInterval;
    }
    if (scrollDirection == kNoScroll)
        OnDragLeave();
    scrollDirection = direction;
    return true;
}

void DropTarget::EndScroll()
{
    scrollDirection = kNoScroll;
}

unsigned DropTarget::Over(unsigned keyState, QPoint point)
{
    lastKeyState = keyState;
    lastPoint = point;
    return OnDragOver(data, keyState, point);
}

void DropTarget::Repeat()
{
    if (!inside) {
        repeat.stop();
        return;
    }
    if (!OnDragScroll(lastKeyState, lastPoint))
        repeat.stop();
}

bool DropTarget::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != window)
        return false;
    switch (e->type()) {
    case QEvent::DragEnter: {
        auto* enter = static_cast<QDragEnterEvent*>(e);
        data = DataObject::FromMimeData(enter->mimeData());
        inside = true;
        scrollDirection = kNoScroll;
        const QPoint at = enter->position().toPoint();
        lastKeyState = KeyStateOf(enter->modifiers(), enter->buttons());
        lastPoint = at;
        const unsigned effect = OnDragEnter(data, lastKeyState, at);
        // Taken whatever the effect, so that the moves keep coming.
        enter->setDropAction(effect == kDropNone ? Qt::MoveAction : ActionOf(effect));
        enter->accept();
        return true;
    }
    case QEvent::DragMove: {
        auto* move = static_cast<QDragMoveEvent*>(e);
        const QPoint at = move->position().toPoint();
        const unsigned keyState = KeyStateOf(move->modifiers(), move->buttons());
        lastKeyState = keyState;
        lastPoint = at;
        if (OnDragScroll(keyState, at)) {
            if (!repeat.isActive())
                repeat.start();
            move->setDropAction(Qt::IgnoreAction);
            move->ignore();
            return true;
        }
        const unsigned effect = Over(keyState, at);
        if (effect == kDropNone) {
            move->setDropAction(Qt::IgnoreAction);
            move->ignore();
        } else {
            move->setDropAction(ActionOf(effect));
            move->accept();
        }
        return true;
    }
    case QEvent::DragLeave:
        inside = false;
        repeat.stop();
        EndScroll();
        OnDragLeave();
        data = {};
        return true;
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(e);
        inside = false;
        repeat.stop();
        const QPoint at = drop->position().toPoint();
        const unsigned keyState = KeyStateOf(drop->modifiers(), drop->buttons());
        // The effect is the target's own choice from the keys at the drop.
        const unsigned effect = (keyState & kDragControl) ? kDropCopy : kDropMove;
        EndScroll();
        const bool placed = OnDrop(DataObject::FromMimeData(drop->mimeData()), effect, at);
        data = {};
        if (placed) {
            drop->setDropAction(ActionOf(effect));
            drop->accept();
        } else {
            drop->setDropAction(Qt::IgnoreAction);
            drop->ignore();
        }
        return true;
    }
    default:
        return false;
    }
}

} // namespace ui

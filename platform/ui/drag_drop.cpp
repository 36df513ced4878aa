#include "platform/ui/drag_drop.h"

#include "platform/ui/clipboard.h"

#include <QDrag>
#include <QDropEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <memory>
#include <utility>

namespace ui {

namespace {

DragHook& Hook()
{
    static DragHook hook;
    return hook;
}

Qt::DropActions ActionsOf(unsigned allowed)
{
    Qt::DropActions actions;
    if (allowed & kDropCopy)
        actions |= Qt::CopyAction;
    if (allowed & kDropMove)
        actions |= Qt::MoveAction;
    return actions;
}

unsigned EffectOf(Qt::DropAction action)
{
    switch (action) {
    case Qt::CopyAction:
        return kDropCopy;
    case Qt::MoveAction:
    case Qt::TargetMoveAction:
        return kDropMove;
    default:
        return kDropNone;
    }
}

// Sends the drag events of a script to its windows, one step at a time.
class ScriptedDrag {
public:
    ScriptedDrag(const DataSource& data, unsigned allowed)
        : mime(data.ToMimeData())
        , actions(ActionsOf(allowed))
    {}
    ScriptedDrag(const ScriptedDrag&) = delete;
    ScriptedDrag& operator=(const ScriptedDrag&) = delete;

    // False once the drag has ended.
    bool Step(const ScriptedDragStep& step)
    {
        if (done)
            return false;
        switch (step.kind) {
        case ScriptedDragStep::Over:
            Over(step.target, step.pos, step.modifiers);
            return true;
        case ScriptedDragStep::Drop:
            Drop(step.target, step.pos, step.modifiers);
            break;
        case ScriptedDragStep::Cancel:
            Leave();
            break;
        }
        done = true;
        return false;
    }
    unsigned Result() const { return result; }

private:
    void Over(QWidget* target, QPoint pos, Qt::KeyboardModifiers modifiers)
    {
        if (target != current) {
            Leave();
            current = target;
            if (!target)
                return;
            QDragEnterEvent enter(pos, actions, mime.get(), Qt::LeftButton, modifiers);
            enter.setDropAction(Qt::MoveAction);
            enter.ignore();
            QCoreApplication::sendEvent(target, &enter);
            entered = enter.isAccepted();
        }
        if (!current || !entered) {
            accepted = false;
            return;
        }
        QDragMoveEvent move(pos, actions, mime.get(), Qt::LeftButton, modifiers);
        move.setDropAction(Qt::MoveAction);
        move.ignore();
        QCoreApplication::sendEvent(current.data(), &move);
        accepted = move.isAccepted() && move.dropAction() != Qt::IgnoreAction;
    }

    void Drop(QWidget* target, QPoint pos, Qt::KeyboardModifiers modifiers)
    {
        Over(target, pos, modifiers);
        if (!current || !accepted) {
            Leave();
            return;
        }
        QDropEvent drop(QPointF(pos), actions, mime.get(), Qt::LeftButton, modifiers);
        drop.setDropAction(Qt::MoveAction);
        drop.ignore();
        QCoreApplication::sendEvent(current.data(), &drop);
        if (drop.isAccepted())
            result = EffectOf(drop.dropAction());
        current = nullptr;
        entered = false;
    }

    void Leave()
    {
        if (current && entered) {
            QDragLeaveEvent leave;
            QCoreApplication::sendEvent(current.data(), &leave);
        }
        current = nullptr;
        entered = false;
        accepted = false;
    }

    std::unique_ptr<QMimeData> mime;
    Qt::DropActions actions;
    QPointer<QWidget> current;
    bool entered = false;
    bool accepted = false;
    bool done = false;
    unsigned result = kDropNone;
};

// Turns the mouse input posted to windows into the steps of a drag.
class PostedInput : public QObject {
public:
    explicit PostedInput(ScriptedDrag& drag)
        : drag(drag)
    {}
    bool running = true;
    int events = 0;

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override
    {
        auto* window = qobject_cast<QWidget*>(receiver);
        switch (e->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonPress:
        case QEvent::KeyPress:
            ++events;
            break;
        default:
            return false;
        }
        switch (e->type()) {
        case QEvent::MouseMove: {
            auto* mouse = static_cast<QMouseEvent*>(e);
            if (window)
                running = drag.Step({ScriptedDragStep::Over, window, mouse->position().toPoint(), mouse->modifiers()});
            return true;
        }
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(e);
            if (mouse->button() == Qt::LeftButton)
                running = drag.Step({ScriptedDragStep::Drop, window, mouse->position().toPoint(), mouse->modifiers()});
            return true;
        }
        case QEvent::MouseButtonPress:
            // Both buttons down give the drag up, as the Escape key does.
            if (static_cast<QMouseEvent*>(e)->button() == Qt::RightButton)
                running = drag.Step({ScriptedDragStep::Cancel, nullptr, {}, {}});
            return true;
        case QEvent::KeyPress:
            if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
                running = drag.Step({ScriptedDragStep::Cancel, nullptr, {}, {}});
            return true;
        default:
            return false;
        }
    }

private:
    ScriptedDrag& drag;
};

} // namespace

unsigned KeyStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons)
{
    unsigned state = 0;
    if (buttons & Qt::LeftButton)
        state |= kDragLButton;
    if (buttons & Qt::RightButton)
        state |= kDragRButton;
    if (buttons & Qt::MiddleButton)
        state |= kDragMButton;
    if (modifiers & Qt::ShiftModifier)
        state |= kDragShift;
    if (modifiers & Qt::ControlModifier)
        state |= kDragControl;
    if (modifiers & Qt::AltModifier)
        state |= kDragAlt;
    return state;
}

unsigned DoDragDrop(QWidget& source, QPoint start, const DataSource& data, unsigned allowed)
{
    if (Hook())
        return Hook()(source, start, data, allowed);
    auto* drag = new QDrag(&source);
    drag->setMimeData(data.ToMimeData());
    const Qt::DropAction action = drag->exec(ActionsOf(allowed), Qt::MoveAction);
    return EffectOf(action) & allowed;
}

DragHook SetDragHook(DragHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

unsigned SendScriptedDrag(const DataSource& data, unsigned allowed, const std::vector<ScriptedDragStep>& steps)
{
    ScriptedDrag drag(data, allowed);
    for (const ScriptedDragStep& step : steps)
        if (!drag.Step(step))
            break;
    drag.Step({ScriptedDragStep::Cancel, nullptr, {}, {}});
    return drag.Result() & allowed;
}

unsigned DragByPostedInput(QWidget& source, QPoint start, const DataSource& data, unsigned allowed)
{
    ScriptedDrag drag(data, allowed);
    drag.Step({ScriptedDragStep::Over, &source, start, QGuiApplication::queryKeyboardModifiers()});
    PostedInput input(drag);
    QCoreApplication::instance()->installEventFilter(&input);
    // The posted input is the whole script: once it is used up, the drag is
    // given up.
    for (int idle = 0; input.running && idle < 3;) {
        const int before = input.events;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        idle = input.events == before ? idle + 1 : 0;
    }
    QCoreApplication::instance()->removeEventFilter(&input);
    drag.Step({ScriptedDragStep::Cancel, nullptr, {}, {}});
    return drag.Result() & allowed;
}

} // namespace ui

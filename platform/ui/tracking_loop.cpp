#include "platform/ui/tracking_loop.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

#include <exception>
#include <optional>

namespace ui {

namespace {

// Catches the input events while the loop runs.
class Tracker : public QObject {
public:
    Tracker(QWidget& window, const TrackHandler& handler, QEventLoop& loop)
        : window_(&window)
        , handler_(handler)
        , loop_(loop)
    {}

    std::optional<TrackKind> ended;
    std::exception_ptr error;

    void Deliver(const TrackEvent& event)
    {
        if (ended)
            return;
        bool goOn = false;
        try {
            goOn = handler_(event);
        } catch (...) {
            error = std::current_exception();
        }
        if (!goOn || error || event.kind == TrackKind::CaptureLost)
            Finish(event.kind);
    }

    void Finish(TrackKind kind)
    {
        if (!ended)
            ended = kind;
        loop_.exit();
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* e) override
    {
        if (ended)
            return false;
        if (!window_) {
            Finish(TrackKind::CaptureLost);
            return false;
        }
        switch (e->type()) {
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            if (!receiver->isWidgetType())
                return false;
            OnMouse(static_cast<QWidget*>(receiver), static_cast<QMouseEvent*>(e));
            return true;
        case QEvent::KeyPress: {
            auto* key = static_cast<QKeyEvent*>(e);
            if (key->key() != Qt::Key_Escape)
                return false;
            Deliver({TrackKind::Escape, {}, QGuiApplication::mouseButtons(), key->modifiers()});
            return true;
        }
        case QEvent::Hide:
        case QEvent::UngrabMouse:
            if (receiver == window_.data())
                Deliver({TrackKind::CaptureLost, {}, {}, {}});
            return false;
        case QEvent::ApplicationDeactivate:
            Deliver({TrackKind::CaptureLost, {}, {}, {}});
            return false;
        default:
            return false;
        }
    }

private:
    QPoint WindowPos(QWidget* receiver, const QMouseEvent* e) const
    {
        const QPoint local = e->position().toPoint();
        if (receiver == window_.data())
            return local;
        if (window_->isAncestorOf(receiver))
            return receiver->mapTo(window_.data(), local);
        return window_->mapFromGlobal(e->globalPosition().toPoint());
    }

    void OnMouse(QWidget* receiver, const QMouseEvent* e)
    {
        const QPoint pos = WindowPos(receiver, e);
        if (e->type() == QEvent::MouseMove)
            Deliver({TrackKind::Move, pos, e->buttons(), e->modifiers()});
        else if (e->type() == QEvent::MouseButtonRelease && e->button() == Qt::LeftButton)
            Deliver({TrackKind::Release, pos, e->buttons(), e->modifiers()});
        else if (e->type() != QEvent::MouseButtonRelease && e->button() == Qt::RightButton)
            Deliver({TrackKind::RightButton, pos, e->buttons(), e->modifiers()});
    }

    QPointer<QWidget> window_;
    const TrackHandler& handler_;
    QEventLoop& loop_;
};

// Holds the mouse and keyboard where the platform can; the offscreen
// platform cannot, and the tracker does not rely on it.
class Grab {
public:
    explicit Grab(QWidget& window)
        : window_(&window)
    {
        const QString platform = QGuiApplication::platformName();
        grabbed_ = window.isVisible() && platform != "offscreen" && platform != "minimal";
        if (grabbed_) {
            window.grabMouse();
            window.grabKeyboard();
        }
    }
    ~Grab()
    {
        if (grabbed_ && window_) {
            window_->releaseKeyboard();
            window_->releaseMouse();
        }
    }
    Grab(const Grab&) = delete;
    Grab& operator=(const Grab&) = delete;

private:
    QPointer<QWidget> window_;
    bool grabbed_;
};

// Installs the tracker for the loop's lifetime, whatever way the loop ends.
class Installed {
public:
    explicit Installed(QObject& filter)
        : filter_(filter)
    {
        QCoreApplication::instance()->installEventFilter(&filter_);
    }
    ~Installed() { QCoreApplication::instance()->removeEventFilter(&filter_); }
    Installed(const Installed&) = delete;
    Installed& operator=(const Installed&) = delete;

private:
    QObject& filter_;
};

} // namespace

TrackKind RunTrackingLoop(QWidget& window, const TrackHandler& handler)
{
    QEventLoop loop;
    Tracker tracker(window, handler, loop);
    QObject::connect(&window, &QObject::destroyed, &tracker, [&tracker] {
        tracker.Deliver({TrackKind::CaptureLost, {}, {}, {}});
    });
    {
        Installed installed(tracker);
        Grab grab(window);
        loop.exec();
    }
    if (tracker.error)
        std::rethrow_exception(tracker.error);
    return *tracker.ended;
}

TrackKind RunDrag(QWidget& window, Drag& drag)
{
    drag.Begin();
    DragStep last = DragStep::Continue;
    TrackKind ended;
    try {
        ended = RunTrackingLoop(window, [&](const TrackEvent& event) {
            last = drag.Step(event);
            return last == DragStep::Continue;
        });
    } catch (...) {
        drag.Cancel();
        throw;
    }
    if (last == DragStep::Cancel)
        drag.Cancel();
    else
        drag.End();
    return ended;
}

} // namespace ui

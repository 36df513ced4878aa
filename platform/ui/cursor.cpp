#include "platform/ui/cursor.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace ui {

namespace {

// Redirects mouse events addressed to other widgets to the capture window.
// The platform's own grab is taken too where there is one, for the mouse
// outside the program's windows; the offscreen platform has none.
class Capture : public QObject {
public:
    void Set(QWidget& window)
    {
        Release();
        window_ = &window;
        const QString platform = QGuiApplication::platformName();
        grabbed_ = window.isVisible() && platform != "offscreen" && platform != "minimal";
        if (grabbed_)
            window.grabMouse();
        qApp->installEventFilter(this);
    }
    void Release()
    {
        if (window_ && grabbed_)
            window_->releaseMouse();
        window_ = nullptr;
        grabbed_ = false;
        qApp->removeEventFilter(this);
    }
    QWidget* Window() const { return window_.data(); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            break;
        default:
            return false;
        }
        auto* target = qobject_cast<QWidget*>(watched);
        if (!window_ || !target || target == window_)
            return false;
        auto* mouse = static_cast<QMouseEvent*>(e);
        QPointF local = window_->mapFromGlobal(mouse->globalPosition());
        QMouseEvent redirected(e->type(), local, mouse->scenePosition(), mouse->globalPosition(), mouse->button(),
            mouse->buttons(), mouse->modifiers());
        QApplication::sendEvent(window_, &redirected);
        return true;
    }

private:
    QPointer<QWidget> window_;
    bool grabbed_ = false;
};

Capture& TheCapture()
{
    static Capture* capture = new Capture;
    return *capture;
}

} // namespace

void SetCursor(QWidget& window, StandardCursor cursor)
{
    static constexpr Qt::CursorShape shapes[] = {Qt::ArrowCursor, Qt::SizeFDiagCursor, Qt::SizeBDiagCursor,
        Qt::SizeVerCursor, Qt::SizeHorCursor, Qt::SizeAllCursor, Qt::DragMoveCursor, Qt::ForbiddenCursor,
        Qt::CrossCursor, Qt::SplitHCursor, Qt::SplitVCursor};
    SetCursor(window, QCursor(shapes[static_cast<int>(cursor)]));
}

void SetCursor(QWidget& window, const QCursor& cursor)
{
    window.setCursor(cursor);
}

WaitCursor::WaitCursor()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    QApplication::restoreOverrideCursor();
}

QWidget* SetCapture(QWidget& window)
{
    QWidget* previous = TheCapture().Window();
    TheCapture().Set(window);
    return previous;
}

void ReleaseCapture()
{
    TheCapture().Release();
}

QWidget* GetCapture()
{
    return TheCapture().Window();
}

} // namespace ui

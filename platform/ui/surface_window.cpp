#include "platform/ui/surface_window.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/window_surface.h"

#include <QMouseEvent>
#include <QTimer>

namespace ui {

SurfaceWindow::SurfaceWindow(QWidget* parent, int id)
    : QWidget(parent)
    , id_(id)
    , surface_(std::make_unique<gdi::WindowSurface>(this))
{
    setObjectName(QStringLiteral("ctl_%1").arg(id));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

SurfaceWindow::~SurfaceWindow() = default;

void SurfaceWindow::Invalidate()
{
    if (posted_)
        return;
    posted_ = true;
    QTimer::singleShot(0, this, [this] {
        posted_ = false;
        Redraw();
    });
}

void SurfaceWindow::Redraw()
{
    if (!paint_ || width() <= 0 || height() <= 0)
        return;
    gdi::DC dc(*surface_);
    paint_(dc, {0, 0, width(), height()});
}

void SurfaceWindow::resizeEvent(QResizeEvent*)
{
    Invalidate();
}

void SurfaceWindow::showEvent(QShowEvent*)
{
    Invalidate();
}

void SurfaceWindow::mousePressEvent(QMouseEvent* e)
{
    if (press_) {
        const QPoint p = e->position().toPoint();
        press_(e->button(), {p.x(), p.y()});
    }
}

} // namespace ui

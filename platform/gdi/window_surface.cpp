#include "platform/gdi/window_surface.h"

#include <QEvent>
#include <QPaintEvent>
#include <QResizeEvent>

namespace gdi {

// Watches the widget's paint and resize events for the surface.
class WindowSurface::Hook : public QObject {
public:
    explicit Hook(WindowSurface& surface)
        : surface_(surface)
    {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != surface_.widget_)
            return false;
        if (event->type() == QEvent::Paint) {
            surface_.PaintOnScreen(static_cast<QPaintEvent*>(event)->rect());
            return true;
        }
        if (event->type() == QEvent::Resize)
            surface_.Resize(static_cast<QResizeEvent*>(event)->size());
        return false;
    }

private:
    WindowSurface& surface_;
};

WindowSurface::WindowSurface(QWidget* widget, int dpi)
    : ImageSurface(widget->width(), widget->height(), dpi, DeviceKind::Window)
    , widget_(widget)
    , hook_(std::make_unique<Hook>(*this))
{
    widget->installEventFilter(hook_.get());
}

WindowSurface::~WindowSurface()
{
    if (widget_)
        widget_->removeEventFilter(hook_.get());
}

void WindowSurface::Touched(const QRect& rect)
{
    if (widget_)
        widget_->update(rect);
}

void WindowSurface::Resize(const QSize& size)
{
    if (size.width() <= 0 || size.height() <= 0 || size == RawImage().size())
        return;
    EndPainting();
    QImage grown(size, QImage::Format_RGB32);
    grown.fill(Qt::white);
    grown.setDotsPerMeterX(RawImage().dotsPerMeterX());
    grown.setDotsPerMeterY(RawImage().dotsPerMeterY());
    QPainter painter(&grown);
    painter.drawImage(0, 0, RawImage());
    painter.end();
    RawImage() = grown;
}

void WindowSurface::PaintOnScreen(const QRect& exposed)
{
    const QImage& image = Image();
    QPainter painter(widget_);
    painter.drawImage(exposed, image, exposed);
}

} // namespace gdi

#include "platform/gdi/window_surface.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPaintEvent>
#include <QResizeEvent>

#include <algorithm>

namespace gdi {

namespace {

QEvent::Type AskEvent()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace

// Watches the widget's paint and resize events for the surface, and asks
// for the update of what contexts kept open have drawn.
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

    bool event(QEvent* event) override
    {
        if (event->type() != AskEvent())
            return QObject::event(event);
        surface_.askPosted_ = false;
        surface_.AskForUpdate();
        return true;
    }

private:
    WindowSurface& surface_;
};

WindowSurface::WindowSurface(QWidget* widget, int dpi)
    : ImageSurface(widget->width(), widget->height(), dpi, DeviceKind::Window)
    , widget_(widget)
    , hook_(std::make_unique<Hook>(*this))
{
    // The paint covers every exposed pixel from the image: nothing beneath
    // is painted first.
    wasOpaque_ = widget->testAttribute(Qt::WA_OpaquePaintEvent);
    widget->setAttribute(Qt::WA_OpaquePaintEvent);
    widget->installEventFilter(hook_.get());
}

WindowSurface::~WindowSurface()
{
    if (!widget_)
        return;
    widget_->removeEventFilter(hook_.get());
    // A widget left without a surface paints as it did before.
    widget_->setAttribute(Qt::WA_OpaquePaintEvent, wasOpaque_);
}

void WindowSurface::Touched(const QRect& rect)
{
    // What is drawn is gathered and the widget asked for it once the event
    // loop runs, before it paints: a few areas kept apart, an area inside
    // one already held adding nothing. Asking the widget for every
    // primitive cost more than drawing many of them.
    constexpr size_t kApart = 8;
    if (!widget_ || rect.isEmpty())
        return;
    if (std::any_of(touched_.begin(), touched_.end(), [&rect](const QRect& r) { return r.contains(rect); }))
        return;
    if (touched_.size() < kApart)
        touched_.push_back(rect);
    else
        touched_.back() |= rect;
    if (!askPosted_) {
        askPosted_ = true;
        QCoreApplication::postEvent(hook_.get(), new QEvent(AskEvent()), Qt::HighEventPriority);
    }
}

void WindowSurface::AskForUpdate()
{
    if (widget_)
        for (const QRect& rect : touched_)
            widget_->update(rect);
    touched_.clear();
}

void WindowSurface::Resize(const QSize& size)
{
    const SIZE now = PixelSize();
    if (size.width() <= 0 || size.height() <= 0 || size == QSize(now.cx, now.cy))
        return;
    SetSize(size);
    if (!HasImage())
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
    QPainter painter(widget_);
    const SIZE size = PixelSize();
    const QRect inside = exposed & QRect(0, 0, size.cx, size.cy);
    // Nothing drawn yet: the image would be white.
    if (HasImage())
        painter.drawImage(inside, Image(), inside);
    else
        painter.fillRect(inside, Qt::white);
    if (inside != exposed)
        for (const QRect& beyond : QRegion(exposed) - inside)
            painter.fillRect(beyond, widget_->palette().window());
}

} // namespace gdi

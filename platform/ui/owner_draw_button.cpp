#include "platform/ui/owner_draw_button.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/window_surface.h"

#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace ui {

class OwnerDrawButton::Widget : public QWidget {
public:
    Widget(QWidget* parent, DrawHandler draw)
        : QWidget(parent)
        , draw(std::move(draw))
    {
        setFocusPolicy(Qt::NoFocus);
        setCursor(Qt::ArrowCursor);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    // Draws on the surface once the event loop runs, as a paint would.
    void Invalidate()
    {
        if (posted)
            return;
        posted = true;
        QTimer::singleShot(0, this, [this] {
            posted = false;
            Draw();
        });
    }

    void Draw()
    {
        if (!surface || !draw)
            return;
        gdi::DC dc(*surface);
        draw(dc, {0, 0, width(), height()});
    }

    std::unique_ptr<gdi::WindowSurface> surface;
    DrawHandler draw;
    std::function<void()> click;

protected:
    void mousePressEvent(QMouseEvent* e) override { pressed = e->button() == Qt::LeftButton; }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const bool inside = rect().contains(e->position().toPoint());
        if (e->button() == Qt::LeftButton && pressed && inside && click) {
            pressed = false;
            click();
            return;
        }
        pressed = false;
    }
    void resizeEvent(QResizeEvent*) override { Invalidate(); }

private:
    bool pressed = false;
    bool posted = false;
};

struct OwnerDrawButton::Guard {
    QPointer<Widget> widget;
};

OwnerDrawButton::OwnerDrawButton(QWidget* parent, int id, const gdi::RECT& rect, DrawHandler draw)
    : guard_(std::make_unique<Guard>())
    , id_(id)
{
    auto* widget = new Widget(parent, std::move(draw));
    guard_->widget = widget;
    widget->setObjectName(QStringLiteral("ctl_%1").arg(id));
    MoveWindow(rect);
    widget->surface = std::make_unique<gdi::WindowSurface>(widget);
    widget->show();
    widget->Invalidate();
}

OwnerDrawButton::~OwnerDrawButton()
{
    delete guard_->widget.data();
}

void OwnerDrawButton::SetClickHandler(std::function<void()> handler)
{
    if (guard_->widget)
        guard_->widget->click = std::move(handler);
}

void OwnerDrawButton::MoveWindow(const gdi::RECT& rect)
{
    if (guard_->widget)
        guard_->widget->setGeometry(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

gdi::RECT OwnerDrawButton::GetWindowRect() const
{
    const QWidget* widget = guard_->widget;
    if (!widget)
        return {};
    const QRect g = widget->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

void OwnerDrawButton::Invalidate()
{
    if (guard_->widget)
        guard_->widget->Invalidate();
}

QWidget* OwnerDrawButton::GetWidget() const
{
    return guard_->widget;
}

} // namespace ui

#include "platform/ui/owner_draw_button.h"

#include "platform/ui/surface_window.h"

#include <QMouseEvent>
#include <QPointer>

namespace ui {

class OwnerDrawButton::Widget : public SurfaceWindow {
public:
    Widget(QWidget* parent, int id, DrawHandler draw)
        : SurfaceWindow(parent, id)
    {
        setCursor(Qt::ArrowCursor);
        SetPaintHandler(std::move(draw));
    }

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

private:
    bool pressed = false;
};

struct OwnerDrawButton::Guard {
    QPointer<Widget> widget;
};

OwnerDrawButton::OwnerDrawButton(QWidget* parent, int id, const gdi::RECT& rect, DrawHandler draw)
    : guard_(std::make_unique<Guard>())
    , id_(id)
{
    auto* widget = new Widget(parent, id, std::move(draw));
    guard_->widget = widget;
    MoveWindow(rect);
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

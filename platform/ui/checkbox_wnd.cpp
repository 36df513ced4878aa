#include "platform/ui/checkbox_wnd.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace ui {

class CheckBoxWnd::Widget : public QWidget {
public:
    Widget(QWidget* parent, CheckBoxWndOwner& owner)
        : QWidget(parent)
        , owner(owner)
    {
        setAttribute(Qt::WA_NoSystemBackground);
        setAttribute(Qt::WA_TranslucentBackground);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    // Tab and Shift+Tab go to the owner, not to the focus chain; F1 is
    // taken before anything else sees it.
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(e);
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                owner.OnTab(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
                return true;
            }
            if (key->key() == Qt::Key_F1) {
                const QRect r(mapToGlobal(QPoint(0, 0)), size());
                owner.OnHelp(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
                return true;
            }
        }
        return QWidget::event(e);
    }
    void keyPressEvent(QKeyEvent* e) override
    {
        switch (e->key()) {
        case Qt::Key_Space:
            owner.OnToggle();
            break;
        case Qt::Key_Up:
        case Qt::Key_Down:
            owner.OnUpDown(e->key() == Qt::Key_Up);
            break;
        default:
            QWidget::keyPressEvent(e);
            break;
        }
    }
    void keyReleaseEvent(QKeyEvent* e) override
    {
        if (e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown) {
            owner.OnPageKeyUp(e->key() == Qt::Key_PageUp, (e->modifiers() & Qt::ControlModifier) != 0);
            return;
        }
        QWidget::keyReleaseEvent(e);
    }
    void mousePressEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::LeftButton || e->button() == Qt::RightButton)
            owner.OnToggle();
    }
    void focusInEvent(QFocusEvent* e) override
    {
        QWidget::focusInEvent(e);
        owner.OnFocusChanged();
    }
    void focusOutEvent(QFocusEvent* e) override
    {
        QWidget::focusOutEvent(e);
        owner.OnFocusChanged();
    }
    // The view draws the box beneath; the window paints nothing.
    void paintEvent(QPaintEvent*) override {}

private:
    CheckBoxWndOwner& owner;
};

CheckBoxWnd::CheckBoxWnd(QWidget* parent, int left, int top, int right, int bottom, CheckBoxWndOwner& owner)
    : widget(std::make_unique<Widget>(parent, owner))
{
    Move(left, top, right, bottom);
    widget->show();
    SetFocus();
}

CheckBoxWnd::~CheckBoxWnd() = default;

void CheckBoxWnd::SetFocus()
{
    widget->setFocus(Qt::OtherFocusReason);
}

void CheckBoxWnd::Move(int left, int top, int right, int bottom)
{
    widget->setGeometry(left, top, right - left, bottom - top);
}

QWidget* CheckBoxWnd::GetWidget() const
{
    return widget.get();
}

} // namespace ui

#include "platform/ui/edit_child_wnd.h"

#include "platform/gdi/dc.h"
#include "platform/gdi/window_surface.h"
#include "platform/text/cp1252.h"
#include "platform/ui/app.h"
#include "platform/ui/beep.h"
#include "platform/ui/virtual_keys.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <QWidget>

namespace ui {

namespace {

constexpr unsigned kBlinkTimer = 1;
// The caret's half period, as the system caret blinks by default.
constexpr unsigned kBlinkMs = 530;

unsigned KeyFlags(const QKeyEvent& e)
{
    unsigned flags = 0;
    if (e.modifiers() & Qt::ShiftModifier)
        flags |= kKeyShift;
    if (e.modifiers() & Qt::ControlModifier)
        flags |= kKeyCtrl;
    if (e.modifiers() & Qt::AltModifier)
        flags |= kKeyAlt;
    if (e.isAutoRepeat())
        flags |= kKeyRepeat;
    return flags;
}

unsigned MouseFlags(const QMouseEvent& e)
{
    unsigned flags = 0;
    if (e.buttons() & Qt::LeftButton)
        flags |= kMouseLeft;
    if (e.buttons() & Qt::RightButton)
        flags |= kMouseRight;
    if (e.modifiers() & Qt::ShiftModifier)
        flags |= kMouseShift;
    if (e.modifiers() & Qt::ControlModifier)
        flags |= kMouseCtrl;
    return flags;
}

gdi::POINT DevicePoint(const QMouseEvent& e)
{
    const QPoint p = e.position().toPoint();
    return {p.x(), p.y()};
}

QRect ToQRect(const gdi::RECT& r)
{
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top).normalized();
}

} // namespace

class EditChildWnd::Widget : public QWidget {
public:
    Widget(QWidget* parent, EditChildWnd& owner)
        : QWidget(parent)
        , owner(&owner)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setAttribute(Qt::WA_InputMethodEnabled);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::IBeamCursor);
    }

    // Deleted with its parent while the window still stood: the owner no
    // longer has a window.
    ~Widget() override
    {
        if (owner)
            owner->WidgetDeleted();
    }

    // Ends every call to the owner; the widget itself goes later.
    void Detach()
    {
        owner = nullptr;
        invalid = QRegion();
    }

    // Paints from the event loop what is invalid now.
    void Invalidate(const QRect& area)
    {
        invalid += area;
        if (paintPosted)
            return;
        paintPosted = true;
        QTimer::singleShot(0, this, [this] {
            paintPosted = false;
            PaintInvalid();
        });
    }

    void PaintInvalid()
    {
        const QRegion area = invalid & rect();
        invalid = QRegion();
        if (!owner || area.isEmpty())
            return;
        std::unique_ptr<gdi::DC> dc = owner->GetDC();
        if (!dc)
            return;
        const QRect box = area.boundingRect();
        owner->OnPaint(*dc, {box.left(), box.top(), box.left() + box.width(), box.top() + box.height()});
    }

    // Installed after the surface's own watcher, so it runs first: paints
    // what is invalid, then shows the surface with the caret over it.
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (watched != this || e->type() != QEvent::Paint || !owner || !owner->surface_)
            return false;
        PaintInvalid();
        if (!owner)
            return true;
        const QRect exposed = static_cast<QPaintEvent*>(e)->rect();
        QPainter painter(this);
        painter.drawImage(exposed, owner->surface_->Image(), exposed);
        const Caret& caret = owner->caret_;
        if (owner->IsCaretVisible() && caret.BlinkOn()) {
            painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            painter.fillRect(ToQRect(caret.Rect()), Qt::white);
        }
        return true;
    }

protected:
    bool event(QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::ShortcutOverride: {
            auto* key = static_cast<QKeyEvent*>(e);
            if (owner && owner->TakesKey(VirtualKeyFromQtKey(key->key()), KeyFlags(*key))) {
                e->accept();
                return true;
            }
            break;
        }
        case QEvent::KeyPress:
            KeyPress(*static_cast<QKeyEvent*>(e));
            return true;
        case QEvent::KeyRelease:
            KeyRelease(*static_cast<QKeyEvent*>(e));
            return true;
        default:
            break;
        }
        return QWidget::event(e);
    }

    void mousePressEvent(QMouseEvent* e) override
    {
        if (owner && e->button() == Qt::LeftButton)
            owner->OnLButtonDown(MouseFlags(*e), DevicePoint(*e));
    }
    void mouseMoveEvent(QMouseEvent* e) override
    {
        if (owner)
            owner->OnMouseMove(MouseFlags(*e), DevicePoint(*e));
    }
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (owner && e->button() == Qt::LeftButton)
            owner->OnLButtonUp(MouseFlags(*e), DevicePoint(*e));
    }
    void mouseDoubleClickEvent(QMouseEvent* e) override
    {
        if (owner && e->button() == Qt::LeftButton)
            owner->OnLButtonDblClk(MouseFlags(*e), DevicePoint(*e));
    }
    void focusInEvent(QFocusEvent*) override
    {
        if (!owner)
            return;
        owner->OnSetFocus();
        if (owner)
            update(ToQRect(owner->caret_.Rect()));
    }
    void focusOutEvent(QFocusEvent*) override
    {
        if (!owner)
            return;
        owner->OnKillFocus();
        if (owner)
            update(ToQRect(owner->caret_.Rect()));
    }
    void inputMethodEvent(QInputMethodEvent* e) override
    {
        Characters(e->commitString(), 1, 0);
        e->accept();
    }
    QVariant inputMethodQuery(Qt::InputMethodQuery query) const override
    {
        if (query == Qt::ImEnabled)
            return true;
        if (query == Qt::ImCursorRectangle && owner)
            return ToQRect(owner->caret_.Rect());
        return QWidget::inputMethodQuery(query);
    }

private:
    void KeyPress(QKeyEvent& e)
    {
        const unsigned vk = VirtualKeyFromQtKey(e.key());
        unsigned flags = KeyFlags(e);
        // Qt reports Shift+Tab as its own key; the window sees Tab with Shift.
        if (e.key() == Qt::Key_Backtab)
            flags |= kKeyShift;
        const auto repeat = static_cast<unsigned>(e.count() > 0 ? e.count() : 1);
        QPointer<Widget> alive(this);
        if (!owner || owner->PreTranslateKeyDown(vk, repeat, flags))
            return;
        const bool alt = (flags & kKeyAlt) != 0;
        if (alt)
            owner->OnSysKeyDown(vk, repeat, flags);
        else
            owner->OnKeyDown(vk, repeat, flags);
        // Tab moves on; its text is no character for the window.
        if (!alive || vk == VK_TAB)
            return;
        Characters(e.text(), repeat, flags);
    }

    void KeyRelease(QKeyEvent& e)
    {
        const unsigned vk = VirtualKeyFromQtKey(e.key());
        const unsigned flags = KeyFlags(e);
        const auto repeat = static_cast<unsigned>(e.count() > 0 ? e.count() : 1);
        if (!owner || owner->PreTranslateKeyUp(vk, repeat, flags))
            return;
        if (flags & kKeyAlt)
            owner->OnSysKeyUp(vk, repeat, flags);
        else
            owner->OnKeyUp(vk, repeat, flags);
    }

    void Characters(const QString& text, unsigned repeat, unsigned flags)
    {
        QPointer<Widget> alive(this);
        for (char32_t c : text.toUcs4()) {
            if (!alive || !owner)
                return;
            const int byte = text::FromUnicode(c);
            if (byte < 0) {
                Beep();
                continue;
            }
            if (flags & kKeyAlt)
                owner->OnSysChar(static_cast<unsigned char>(byte), repeat, flags);
            else
                owner->OnChar(static_cast<unsigned char>(byte), repeat, flags);
        }
    }

    EditChildWnd* owner;
    QRegion invalid;
    bool paintPosted = false;
};

EditChildWnd::EditChildWnd() = default;

EditChildWnd::~EditChildWnd()
{
    DestroyWnd();
}

bool EditChildWnd::CreateWnd(QWidget* parent, int id, const gdi::RECT& rect, bool visible)
{
    if (widget_ || !parent)
        return false;
    id_ = id;
    widget_ = new Widget(parent, *this);
    widget_->setGeometry(ToQRect(rect));
    surface_ = std::make_unique<gdi::WindowSurface>(widget_);
    // What the parent shows beneath the window, as a window that is not
    // erased shows it.
    if (!widget_->size().isEmpty()) {
        const QImage beneath = parent->grab(widget_->geometry()).toImage();
        std::unique_ptr<gdi::DC> dc = GetDC();
        dc->BitBlt(0, 0, beneath.width(), beneath.height(), gdi::Bitmap::FromImage(beneath), 0, 0, gdi::SRCCOPY);
    }
    widget_->installEventFilter(widget_);
    if (visible)
        widget_->show();
    Invalidate();
    return true;
}

void EditChildWnd::WidgetDeleted()
{
    KillTimer(kBlinkTimer);
    caret_.Destroy();
    capture_ = false;
    surface_.reset();
    widget_ = nullptr;
}

void EditChildWnd::DestroyWnd()
{
    if (!widget_)
        return;
    KillTimer(kBlinkTimer);
    caret_.Destroy();
    capture_ = false;
    Widget* widget = widget_;
    widget_ = nullptr;
    widget->Detach();
    widget->removeEventFilter(widget);
    surface_.reset();
    widget->hide();
    widget->deleteLater();
}

bool EditChildWnd::HasWnd() const
{
    return widget_ != nullptr;
}

QWidget* EditChildWnd::GetWidget() const
{
    return widget_;
}

void EditChildWnd::MoveWindow(const gdi::RECT& rect, bool repaint)
{
    if (!widget_)
        return;
    widget_->setGeometry(ToQRect(rect));
    if (repaint)
        Invalidate();
}

void EditChildWnd::ShowWindow(bool show)
{
    if (widget_)
        widget_->setVisible(show);
}

bool EditChildWnd::IsWindowVisible() const
{
    return widget_ && widget_->isVisible();
}

gdi::RECT EditChildWnd::GetClientRect() const
{
    if (!widget_)
        return {};
    return {0, 0, widget_->width(), widget_->height()};
}

gdi::RECT EditChildWnd::GetWindowRect() const
{
    if (!widget_)
        return {};
    const QRect g = widget_->geometry();
    return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

gdi::RECT EditChildWnd::GetParentClientRect() const
{
    if (!widget_ || !widget_->parentWidget())
        return {};
    const QWidget* parent = widget_->parentWidget();
    return {0, 0, parent->width(), parent->height()};
}

gdi::POINT EditChildWnd::ClientToScreen(gdi::POINT point) const
{
    if (!widget_)
        return point;
    const QPoint p = widget_->mapToGlobal(QPoint(point.x, point.y));
    return {p.x(), p.y()};
}

gdi::RECT EditChildWnd::ClientToScreen(const gdi::RECT& rect) const
{
    const gdi::POINT topLeft = ClientToScreen(gdi::POINT {rect.left, rect.top});
    const gdi::POINT bottomRight = ClientToScreen(gdi::POINT {rect.right, rect.bottom});
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void EditChildWnd::SetFocus()
{
    if (widget_)
        widget_->setFocus(Qt::OtherFocusReason);
}

bool EditChildWnd::HasFocus() const
{
    return widget_ && widget_->hasFocus();
}

std::unique_ptr<gdi::DC> EditChildWnd::GetDC()
{
    if (!surface_)
        return nullptr;
    return std::make_unique<gdi::DC>(*surface_);
}

void EditChildWnd::Invalidate(const gdi::RECT* rect)
{
    if (widget_)
        widget_->Invalidate(rect ? ToQRect(*rect) : widget_->rect());
}

void EditChildWnd::UpdateWindow()
{
    if (widget_)
        widget_->PaintInvalid();
}

void EditChildWnd::SetCapture()
{
    if (widget_)
        capture_ = true;
}

void EditChildWnd::ReleaseCapture()
{
    capture_ = false;
}

void EditChildWnd::CreateCaret(int width, int height)
{
    const gdi::RECT before = caret_.Rect();
    caret_.Create(width, height);
    UpdateCaretArea(before);
    StartBlinking();
}

void EditChildWnd::DestroyCaret()
{
    const gdi::RECT before = caret_.Rect();
    caret_.Destroy();
    KillTimer(kBlinkTimer);
    UpdateCaretArea(before);
}

void EditChildWnd::SetCaretPos(int x, int y)
{
    const gdi::RECT before = caret_.Rect();
    caret_.SetPos(x, y);
    UpdateCaretArea(before);
}

void EditChildWnd::ShowCaret()
{
    caret_.Show();
    UpdateCaretArea(caret_.Rect());
}

void EditChildWnd::HideCaret()
{
    caret_.Hide();
    UpdateCaretArea(caret_.Rect());
}

bool EditChildWnd::IsCaretVisible() const
{
    return caret_.IsShown() && HasFocus();
}

void EditChildWnd::OnTimer(unsigned id)
{
    if (id != kBlinkTimer || !caret_.Exists())
        return;
    caret_.ToggleBlink();
    UpdateCaretArea(caret_.Rect());
}

void EditChildWnd::UpdateCaretArea(const gdi::RECT& before)
{
    if (!widget_)
        return;
    widget_->update(ToQRect(before));
    widget_->update(ToQRect(caret_.Rect()));
}

void EditChildWnd::StartBlinking()
{
    if (widget_ && App::Current())
        SetTimer(kBlinkTimer, kBlinkMs);
}

bool EditChildWnd::PreTranslateKeyDown(unsigned, unsigned, unsigned)
{
    return false;
}

bool EditChildWnd::PreTranslateKeyUp(unsigned, unsigned, unsigned)
{
    return false;
}

void EditChildWnd::OnKeyDown(unsigned, unsigned, unsigned)
{}
void EditChildWnd::OnKeyUp(unsigned, unsigned, unsigned)
{}
void EditChildWnd::OnChar(unsigned char, unsigned, unsigned)
{}
void EditChildWnd::OnSysKeyDown(unsigned, unsigned, unsigned)
{}
void EditChildWnd::OnSysKeyUp(unsigned, unsigned, unsigned)
{}
void EditChildWnd::OnSysChar(unsigned char, unsigned, unsigned)
{}

bool EditChildWnd::TakesKey(unsigned vk, unsigned flags)
{
    const bool alt = (flags & kKeyAlt) != 0;
    return vk == VK_ESCAPE || vk == VK_F1 || (alt && (vk == VK_UP || vk == VK_DOWN));
}

void EditChildWnd::OnLButtonDown(unsigned, gdi::POINT)
{}
void EditChildWnd::OnMouseMove(unsigned, gdi::POINT)
{}
void EditChildWnd::OnLButtonUp(unsigned, gdi::POINT)
{}
void EditChildWnd::OnLButtonDblClk(unsigned, gdi::POINT)
{}
void EditChildWnd::OnSetFocus()
{}
void EditChildWnd::OnKillFocus()
{}
void EditChildWnd::OnPaint(gdi::DC&, const gdi::RECT&)
{}

} // namespace ui

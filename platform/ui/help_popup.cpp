#include "platform/ui/help_popup.h"

#include "platform/gdi/palette.h"
#include "platform/text/cp1252.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace ui {

namespace {

HelpPopup* g_current = nullptr;

std::function<void()>& HelpIndexHandler()
{
    static std::function<void()> handler;
    return handler;
}

// The box's background: entry 18 of the default palette.
QColor BoxColour()
{
    const gdi::COLORREF c = gdi::DefaultPalette()[18];
    return QColor(gdi::GetRValue(c), gdi::GetGValue(c), gdi::GetBValue(c));
}

} // namespace

gdi::POINT PlaceHelpPopup(const gdi::RECT& field, int width, int height, const gdi::RECT& screen)
{
    int32_t x = (field.left + field.right) / 2 - width / 2;
    if (x + width > screen.right - kHelpGap)
        x = screen.right - width - kHelpGap;
    x = std::max<int32_t>(x, screen.left + kHelpGap);
    int32_t y = field.bottom + kHelpGap;
    if (y + height > screen.bottom)
        y = field.top - kHelpGap - height;
    return {x, y};
}

HelpPopup::HelpPopup(QWidget* owner, std::string text, QBrush shadow)
    : QWidget(owner, Qt::Popup | Qt::FramelessWindowHint)
    , text_(std::move(text))
    , shadow_(std::move(shadow))
    , background_(BoxColour())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_OpaquePaintEvent);
    font_ = QFont("MS Sans Serif");
    font_.setPixelSize(10);
    font_.setBold(true);
    setFont(font_);
    setGeometry(0, 0, 1, 1);
}

HelpPopup::~HelpPopup()
{
    if (g_current == this)
        g_current = nullptr;
}

HelpPopup* HelpPopup::Current()
{
    return g_current;
}

void HelpPopup::SetHelpIndexHandler(std::function<void()> handler)
{
    HelpIndexHandler() = std::move(handler);
}

void HelpPopup::Show(const gdi::RECT& field)
{
    if (text_.empty())
        return;
    const gdi::POINT centre {(field.left + field.right) / 2, (field.top + field.bottom) / 2};
    QScreen* screen = QGuiApplication::screenAt(QPoint(centre.x, centre.y));
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const int inches = screen ? static_cast<int>(screen->logicalDotsPerInchX() * 4) : 384;
    const QRect measured = QFontMetrics(font_).boundingRect(
        QRect(0, 0, inches, 1), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text::ToQString(text_));
    const int width = measured.width() + kHelpMarginLeftTop + kHelpMarginRightBottom;
    const int height = measured.height() + kHelpMarginLeftTop + kHelpMarginRightBottom;
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 640, 480);
    const gdi::POINT at = PlaceHelpPopup(
        field, width, height, {area.left(), area.top(), area.left() + area.width(), area.top() + area.height()});
    setGeometry(at.x, at.y, width, height);
    g_current = this;
    show();
    grabMouse();
    grabKeyboard();
    setFocus(Qt::PopupFocusReason);
}

void HelpPopup::Close()
{
    if (g_current == this)
        g_current = nullptr;
    releaseMouse();
    releaseKeyboard();
    close();
}

QRect HelpPopup::BoxRect() const
{
    return QRect(0, 0, width() - kHelpShadow, height() - kHelpShadow);
}

void HelpPopup::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const int w = width();
    const int h = height();
    // What the shadow leaves bare shows the window behind: clear it first.
    painter.fillRect(rect(), palette().window());
    painter.setPen(Qt::NoPen);
    painter.setBrush(shadow_);
    painter.drawRect(w - kHelpShadow, kHelpShadow, kHelpShadow, h - kHelpShadow);
    painter.drawRect(kHelpShadow, h - kHelpShadow, w - 2 * kHelpShadow, kHelpShadow);
    // The outline, then the box inside a white frame two pixels wide.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(0, 0, w - kHelpShadow - 1, h - kHelpShadow - 1);
    painter.fillRect(QRect(1, 1, w - kHelpShadow - 2, h - kHelpShadow - 2), Qt::white);
    painter.fillRect(QRect(3, 3, w - kHelpShadow - 6, h - kHelpShadow - 6), background_);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(QRect(kHelpMarginLeftTop, kHelpMarginLeftTop, w - kHelpMarginLeftTop - kHelpMarginRightBottom,
                         h - kHelpMarginLeftTop - kHelpMarginRightBottom),
        Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text::ToQString(text_));
}

void HelpPopup::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Close();
        return;
    case Qt::Key_F1: {
        std::function<void()> help = HelpIndexHandler();
        Close();
        if (help)
            help();
        return;
    }
    default:
        e->accept();
    }
}

void HelpPopup::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton && e->button() != Qt::RightButton)
        return;
    if (!BoxRect().contains(e->position().toPoint()))
        Close();
}

bool HelpPopup::event(QEvent* e)
{
    // A press that Qt sees outside the pop-up closes it as well; forget it.
    if (e->type() == QEvent::Close && g_current == this)
        g_current = nullptr;
    return QWidget::event(e);
}

} // namespace ui

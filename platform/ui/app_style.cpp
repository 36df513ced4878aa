#include "platform/ui/app_style.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QStyleOption>

#include <optional>

namespace ui {

namespace {

// Stands for the icon the base style gives, and asks it only when the
// icon is first drawn or measured.
class DeferredStandardIcon : public QIconEngine {
public:
    DeferredStandardIcon(
        const QStyle* style, QStyle::StandardPixmap which, const QStyleOption* option, const QWidget* widget)
        : style_(style)
        , which_(which)
        , widget_(widget)
    {
        if (option)
            option_ = *option;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Resolved().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Resolved().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Resolved().pixmap(size / scale, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Resolved().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Resolved().availableSizes(mode, state);
    }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }
    // The base style's icons asked for here always exist.
    bool isNull() override { return resolved_ ? resolved_->isNull() : false; }

private:
    QIcon& Resolved()
    {
        if (!resolved_) {
            const QStyle* style = style_ ? style_.data() : QApplication::style();
            resolved_ = style->standardIcon(which_, option_ ? &*option_ : nullptr, widget_.data());
        }
        return *resolved_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    std::optional<QStyleOption> option_;
    QPointer<const QWidget> widget_;
    std::optional<QIcon> resolved_;
};

// Adds one of Qt's own images to the icon, read as the PNG it is: left to
// find out, the reader would load every image plugin to ask each.
void AddQtImage(QIcon& icon, const char* path)
{
    QImageReader reader(QString::fromLatin1(path), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (!image.isNull())
        icon.addPixmap(QPixmap::fromImage(image));
}

bool RightToLeft(const QStyleOption* option)
{
    return option ? option->direction == Qt::RightToLeft : QGuiApplication::layoutDirection() == Qt::RightToLeft;
}

} // namespace

AppStyle::AppStyle(const QString& baseKey)
    : QProxyStyle(baseKey)
{}

QIcon AppStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option, const QWidget* widget) const
{
    QIcon icon;
    switch (standardIcon) {
    // Drawn with the first window: the same images the base style gives.
    case SP_TitleBarMenuButton:
        icon.addPixmap(baseStyle()->standardPixmap(standardIcon, option, widget));
        AddQtImage(icon, ":/qt-project.org/qmessagebox/images/qtlogo-64.png");
        return icon;
    case SP_ToolBarHorizontalExtensionButton:
        if (RightToLeft(option)) {
            AddQtImage(icon, ":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-rtl-8.png");
            AddQtImage(icon, ":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-rtl-16.png");
            AddQtImage(icon, ":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-rtl-32.png");
        } else {
            AddQtImage(icon, ":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-8.png");
            AddQtImage(icon, ":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-16.png");
            AddQtImage(icon, ":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-32.png");
        }
        return icon;
    case SP_ToolBarVerticalExtensionButton:
        AddQtImage(icon, ":/qt-project.org/styles/commonstyle/images/toolbar-ext-v-5.png");
        AddQtImage(icon, ":/qt-project.org/styles/commonstyle/images/toolbar-ext-v-10.png");
        AddQtImage(icon, ":/qt-project.org/styles/commonstyle/images/toolbar-ext-v-20.png");
        return icon;
    // Shown only in a document window's system menu: read when it opens.
    case SP_TitleBarMinButton:
    case SP_TitleBarMaxButton:
    case SP_TitleBarCloseButton:
    case SP_TitleBarNormalButton:
    case SP_TitleBarShadeButton:
    case SP_TitleBarUnshadeButton:
    case SP_TitleBarContextHelpButton:
        return QIcon(new DeferredStandardIcon(baseStyle(), standardIcon, option, widget));
    default:
        return QProxyStyle::standardIcon(standardIcon, option, widget);
    }
}

void AppStyle::Install()
{
    QStyle* current = QApplication::style();
    if (!dynamic_cast<AppStyle*>(current))
        QApplication::setStyle(new AppStyle(current->name()));
}

} // namespace ui

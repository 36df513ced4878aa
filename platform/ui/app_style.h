// The program's widget style: the platform's own style, except that the
// standard icons that menu bars, tool bars and document windows ask for when
// they are made are read without Qt's format detection (which loads every
// image-format plugin to ask each), or only when first drawn.
#pragma once

#include <QProxyStyle>

namespace ui {

class AppStyle : public QProxyStyle {
public:
    // Stands over the style Qt would otherwise use for the application.
    explicit AppStyle(const QString& baseKey);

    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;

    // Makes an AppStyle the application's style unless it already is.
    static void Install();
};

} // namespace ui

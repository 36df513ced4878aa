#include "platform/ui/app.h"
#include "platform/ui/app_style.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolBar>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

// The icons the program's style gives look as the base style's do, at the
// sizes Qt's own images come in and between them.
TEST(AppStyle, StandardIconsLookAsTheBaseStylesDo)
{
    ui::App app;
    const auto* style = dynamic_cast<ui::AppStyle*>(QApplication::style());
    ASSERT_NE(style, nullptr);
    const std::unique_ptr<QStyle> base(QStyleFactory::create(style->baseStyle()->name()));
    ASSERT_TRUE(base);
    QStyleOption leftToRight;
    QStyleOption rightToLeft;
    rightToLeft.direction = Qt::RightToLeft;
    struct Case {
        QStyle::StandardPixmap which;
        const QStyleOption* option;
    };
    const Case cases[] = {
        {QStyle::SP_TitleBarMenuButton, nullptr},
        {QStyle::SP_ToolBarHorizontalExtensionButton, nullptr},
        {QStyle::SP_ToolBarHorizontalExtensionButton, &leftToRight},
        {QStyle::SP_ToolBarHorizontalExtensionButton, &rightToLeft},
        {QStyle::SP_ToolBarVerticalExtensionButton, nullptr},
        {QStyle::SP_TitleBarMinButton, nullptr},
        {QStyle::SP_TitleBarMaxButton, nullptr},
        {QStyle::SP_TitleBarCloseButton, nullptr},
        {QStyle::SP_TitleBarNormalButton, nullptr},
        {QStyle::SP_TitleBarShadeButton, nullptr},
        {QStyle::SP_TitleBarUnshadeButton, nullptr},
        {QStyle::SP_TitleBarContextHelpButton, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.which));
        const QIcon ours = QApplication::style()->standardIcon(c.which, c.option);
        const QIcon theirs = base->standardIcon(c.which, c.option);
        ASSERT_FALSE(theirs.isNull());
        EXPECT_FALSE(ours.isNull());
        EXPECT_EQ(ours.availableSizes(), theirs.availableSizes());
        for (int side : {5, 8, 10, 12, 16, 20, 24, 32, 48, 64}) {
            SCOPED_TRACE(side);
            const QSize size(side, side);
            EXPECT_EQ(ours.actualSize(size), theirs.actualSize(size));
            EXPECT_EQ(ours.pixmap(size).toImage(), theirs.pixmap(size).toImage());
            EXPECT_EQ(ours.pixmap(size, QIcon::Disabled).toImage(), theirs.pixmap(size, QIcon::Disabled).toImage());
        }
    }
}

bool ImagePluginLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return !maps.open(QIODevice::ReadOnly) || maps.readAll().contains("/imageformats/");
}

// A main window with a menu bar, a tool bar and a document window is made
// and drawn without loading an image plugin (loading them all costs more
// than the rest of the window). Runs in a fresh process of its own.
TEST(AppStyle, MainWindowIsDrawnWithoutImagePlugins)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ui::App app;
            if (ImagePluginLoaded())
                std::_Exit(2);
            QMainWindow window;
            window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Open"));
            QToolBar* bar = window.addToolBar(QStringLiteral("Tools"));
            for (int i = 0; i < 40; ++i)
                bar->addAction(QStringLiteral("Tool %1").arg(i));
            auto* area = new QMdiArea;
            window.setCentralWidget(area);
            area->addSubWindow(new QWidget)->show();
            window.resize(400, 300);
            window.show();
            QCoreApplication::processEvents();
            window.repaint();
            std::_Exit(ImagePluginLoaded() ? 1 : 0);
        },
        testing::ExitedWithCode(0), "");
}

} // namespace

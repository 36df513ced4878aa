#include "platform/ui/app.h"
#include "platform/ui/bar_state.h"
#include "platform/ui/cmd_target.h"
#include "platform/ui/command_bar.h"
#include "platform/ui/tool_bar.h"
#include "tests/common/run_events.h"

#include <QApplication>
#include <QComboBox>
#include <QHelpEvent>
#include <QImage>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

struct BarFixture {
    QMainWindow frame;
    QToolBar* bar = new QToolBar("Standard", &frame);
    QToolBar* other = new QToolBar("Design", &frame);

    BarFixture()
    {
        frame.setGeometry(100, 100, 640, 480);
        bar->addAction("New");
        bar->addAction("Open");
        other->addAction("Field");
        ui::DockBar(frame, *bar, ui::DockSide::Top);
        ui::DockBar(frame, *other, ui::DockSide::Left);
        frame.show();
        RunEventsFor(10);
    }
};

TEST(ControlBars, ABarFloatedAtAPointComesBackThereFromItsState)
{
    BarFixture f;
    ui::FloatBar(f.frame, *f.bar, QPoint(500, 300));
    RunEventsFor(10);
    ui::BarState saved = ui::GetBarState(f.frame, *f.bar);
    EXPECT_TRUE(saved.floating);
    EXPECT_TRUE(saved.visible);
    EXPECT_EQ(saved.side, ui::DockSide::Top);
    EXPECT_EQ(saved.rect.topLeft(), QPoint(500, 300));

    ui::DockBar(f.frame, *f.bar, ui::DockSide::Bottom);
    RunEventsFor(10);
    EXPECT_FALSE(ui::GetBarState(f.frame, *f.bar).floating);
    EXPECT_EQ(f.frame.toolBarArea(f.bar), Qt::BottomToolBarArea);

    ui::SetBarState(f.frame, *f.bar, saved);
    RunEventsFor(10);
    ui::BarState restored = ui::GetBarState(f.frame, *f.bar);
    EXPECT_TRUE(ui::IsFloating(*f.bar));
    EXPECT_TRUE(f.bar->isVisible());
    EXPECT_EQ(restored.rect.topLeft(), QPoint(500, 300));
    EXPECT_EQ(restored.side, ui::DockSide::Bottom);
}

TEST(ControlBars, DockedStatesComeBackOnTheirSidesShownOrHidden)
{
    struct Case {
        ui::DockSide side;
        bool visible;
        Qt::ToolBarArea area;
    } cases[] = {
        {ui::DockSide::Top, true, Qt::TopToolBarArea},
        {ui::DockSide::Bottom, false, Qt::BottomToolBarArea},
        {ui::DockSide::Left, true, Qt::LeftToolBarArea},
        {ui::DockSide::Right, false, Qt::RightToolBarArea},
    };
    BarFixture f;
    ui::FloatBar(f.frame, *f.bar, QPoint(20, 20));
    for (const Case& c : cases) {
        ui::SetBarState(f.frame, *f.bar, {c.visible, false, c.side, {}});
        RunEventsFor(5);
        ui::BarState state = ui::GetBarState(f.frame, *f.bar);
        EXPECT_EQ(f.frame.toolBarArea(f.bar), c.area);
        EXPECT_EQ(f.bar->isVisible(), c.visible);
        EXPECT_EQ(state.visible, c.visible);
        EXPECT_FALSE(state.floating);
        EXPECT_EQ(state.side, c.side);
        bool upright = c.side == ui::DockSide::Left || c.side == ui::DockSide::Right;
        EXPECT_EQ(f.bar->orientation(), upright ? Qt::Vertical : Qt::Horizontal);
    }
}

TEST(ControlBars, ImageStripIsCutIntoEqualButtons)
{
    QImage strip(48, 15, QImage::Format_RGB32);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 3; ++i)
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 16; ++x)
                strip.setPixelColor(i * 16 + x, y, colours[i]);
    strip.setPixelColor(17, 3, QColor(192, 192, 192));

    std::vector<QIcon> icons = ui::CutImageStrip(strip, 16, QColor(192, 192, 192));
    ASSERT_EQ(icons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        QImage button = icons[i].pixmap(QSize(16, 15)).toImage();
        EXPECT_EQ(button.size(), QSize(16, 15));
        EXPECT_EQ(button.pixelColor(8, 8), colours[i]) << i;
    }
    EXPECT_EQ(icons[1].pixmap(QSize(16, 15)).toImage().pixelColor(1, 3).alpha(), 0);
    EXPECT_THROW(ui::CutImageStrip(strip, 20), std::invalid_argument);
    EXPECT_THROW(ui::CutImageStrip(QImage(), 16), std::invalid_argument);
}

TEST(ControlBars, AWidgetTakesASeparatorsPlace)
{
    ui::App app;
    ui::CmdTarget target;
    ui::CommandBar commands(target);
    QToolBar bar;
    ui::FillToolBar(bar, {{1, "Bold", {}}, {0, "", {}}, {2, "Italic", {}}}, commands);
    auto* zoom = new QComboBox;
    QAction* placed = ui::SetSeparatorWidget(bar, 1, zoom);
    ASSERT_EQ(bar.actions().size(), 3);
    EXPECT_EQ(bar.actions()[1], placed);
    EXPECT_EQ(bar.widgetForAction(placed), zoom);
    EXPECT_EQ(ui::CommandBar::CommandId(*bar.actions()[2]), 2u);
    EXPECT_THROW(ui::SetSeparatorWidget(bar, 0, new QComboBox(&bar)), std::invalid_argument);
    EXPECT_THROW(ui::SetSeparatorWidget(bar, 7, new QComboBox(&bar)), std::invalid_argument);
}

TEST(ControlBars, ToolTipsCanBeTurnedOff)
{
    QMainWindow frame;
    auto* bar = frame.addToolBar("Standard");
    QAction* action = bar->addAction("Save");
    frame.show();
    RunEventsFor(10);
    QWidget* button = bar->widgetForAction(action);
    // The text of the tip shown after asking for one with a fresh text.
    auto askTip = [&](const QString& tip) {
        action->setToolTip(tip);
        QHelpEvent e(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(button, &e);
        return QToolTip::text();
    };
    EXPECT_EQ(askTip("Save the form"), "Save the form");
    ui::ShowToolTips(*bar, false);
    EXPECT_NE(askTip("Save it"), "Save it");
    ui::ShowToolTips(*bar, true);
    EXPECT_EQ(askTip("Save it now"), "Save it now");
    QToolTip::hideText();
}

} // namespace

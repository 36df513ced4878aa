#include "platform/gdi/dc.h"
#include "platform/ui/owner_draw_button.h"
#include "tests/common/run_events.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

using namespace ui;

namespace {

class OwnerDrawButtonTest : public ::testing::Test {
protected:
    OwnerDrawButtonTest()
    {
        top.resize(200, 100);
        focused = new QWidget(&top);
        focused->setFocusPolicy(Qt::StrongFocus);
        focused->setGeometry(0, 0, 50, 20);
        top.show();
        top.activateWindow();
        (void)QTest::qWaitForWindowActive(&top);
        focused->setFocus();
    }

    QWidget top;
    QWidget* focused;
};

TEST_F(OwnerDrawButtonTest, ClicksAreReportedAndTheFocusStays)
{
    int clicks = 0;
    OwnerDrawButton button(&top, 334, {100, 10, 116, 30}, nullptr);
    button.SetClickHandler([&] { ++clicks; });
    EXPECT_EQ(button.GetWidget()->objectName(), "ctl_334");
    QTest::mouseClick(button.GetWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(focused->hasFocus());
    // Pressed over the button, released off it: no click.
    QTest::mousePress(button.GetWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 10));
    QTest::mouseRelease(button.GetWidget(), Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QTest::mouseClick(button.GetWidget(), Qt::RightButton, Qt::NoModifier, QPoint(8, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.GetWidget()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(OwnerDrawButtonTest, TheOwnerDrawsTheWholeClientArea)
{
    std::vector<gdi::RECT> drawn;
    OwnerDrawButton button(&top, 334, {100, 10, 116, 30}, [&](gdi::DC& dc, const gdi::RECT& client) {
        drawn.push_back(client);
        dc.FillRect(client, gdi::Brush::Solid(0x0000FF));
    });
    RunEventsFor(0);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].right, 16);
    EXPECT_EQ(drawn[0].bottom, 20);
    EXPECT_EQ(button.GetWidget()->grab().toImage().pixelColor(3, 3), QColor(255, 0, 0));

    button.MoveWindow({0, 50, 30, 70});
    button.Invalidate();
    RunEventsFor(0);
    EXPECT_EQ(drawn.back().right, 30);
    EXPECT_EQ(button.GetWindowRect().top, 50);
}

} // namespace

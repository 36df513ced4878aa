// The field help pop-up: where it goes on the screen that holds the field,
// its size from the wrapped text, and what closes it.
#include "platform/ui/help_popup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

using gdi::POINT;
using gdi::RECT;

TEST(HelpPopupPlacement, CentredBelowTheFieldAboveItAtTheBottomAndEightPixelsInsideTheEdges)
{
    const RECT screen {0, 0, 1400, 1000};
    const RECT second {1400, 0, 2800, 1000};
    struct Case {
        const char* what;
        RECT field;
        RECT on;
        POINT expected;
    };
    const Case cases[] = {
        {"centred under the field", {600, 100, 800, 130}, screen, {700 - 150, 138}},
        {"above the field at the screen's bottom", {600, 900, 800, 930}, screen, {550, 900 - 8 - 100}},
        {"bottom exactly at the screen's edge stays below", {600, 792, 800, 892}, screen, {550, 900}},
        {"right edge", {1300, 100, 1400, 130}, screen, {1400 - 300 - 8, 138}},
        {"left edge", {0, 100, 40, 130}, screen, {8, 138}},
        {"right edge of a second screen", {2700, 900, 2790, 930}, second, {2800 - 300 - 8, 792}},
        {"left edge of a second screen", {1400, 100, 1420, 130}, second, {1408, 138}},
    };
    for (const Case& c : cases) {
        const POINT at = ui::PlaceHelpPopup(c.field, 300, 100, c.on);
        EXPECT_EQ(at.x, c.expected.x) << c.what;
        EXPECT_EQ(at.y, c.expected.y) << c.what;
    }
}

class HelpPopupTest : public ::testing::Test {
protected:
    ~HelpPopupTest() override
    {
        if (popup)
            popup->Close();
        QApplication::processEvents();
        ui::HelpPopup::SetHelpIndexHandler({});
    }

    // Shows a pop-up for a field at the screen's bottom right corner.
    void ShowAtCorner(const std::string& text)
    {
        const QRect s = QGuiApplication::primaryScreen()->geometry();
        field = {s.right() - 60, s.bottom() - 20, s.right() + 1, s.bottom() + 1};
        popup = new ui::HelpPopup(nullptr, text, QBrush(Qt::Dense4Pattern));
        popup->Show(field);
        QApplication::processEvents();
    }

    void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QMouseEvent press(
            QEvent::MouseButtonPress, QPointF(at), popup->mapToGlobal(QPointF(at)), button, button, Qt::NoModifier);
        QApplication::sendEvent(popup, &press);
        QApplication::processEvents();
    }

    RECT field {};
    QPointer<ui::HelpPopup> popup;
};

TEST_F(HelpPopupTest, AtTheScreensBottomRightItGoesAboveTheFieldEightPixelsInside)
{
    ShowAtCorner("Type the amount in pounds.");
    ASSERT_TRUE(popup);
    ASSERT_EQ(ui::HelpPopup::Current(), popup.data());
    const QRect s = QGuiApplication::primaryScreen()->geometry();
    const QRect g = popup->geometry();
    EXPECT_EQ(g.right() + 1, s.right() + 1 - 8);
    EXPECT_EQ(g.bottom() + 1, field.top - 8);
    // The text's own size with 19 pixels before it and 27 after it.
    const QRect text = QFontMetrics(popup->TextFont())
                           .boundingRect(QRect(0, 0, static_cast<int>(s.width()), 1), Qt::TextWordWrap,
                               QString("Type the amount in pounds."));
    EXPECT_EQ(g.width(), text.width() + 46);
    EXPECT_EQ(g.height(), text.height() + 46);
}

TEST_F(HelpPopupTest, ALongTextWrapsFourInchesWide)
{
    std::string words;
    for (int i = 0; i < 60; ++i)
        words += "wrapped ";
    ShowAtCorner(words);
    ASSERT_TRUE(popup);
    const int fourInches = static_cast<int>(QGuiApplication::primaryScreen()->logicalDotsPerInchX() * 4);
    EXPECT_LE(popup->width(), fourInches + 46);
    EXPECT_GT(popup->height(), QFontMetrics(popup->TextFont()).height() * 2 + 46);
}

TEST_F(HelpPopupTest, APressOnTheShadowClosesItAndOneInsideTheBoxDoesNot)
{
    ShowAtCorner("Help");
    ASSERT_TRUE(popup);
    Press(QPoint(10, 10));
    ASSERT_TRUE(popup);
    EXPECT_TRUE(popup->isVisible());
    // The shadow strip along the right edge, right mouse button.
    Press(QPoint(popup->width() - 3, popup->height() / 2), Qt::RightButton);
    EXPECT_FALSE(popup);
    EXPECT_EQ(ui::HelpPopup::Current(), nullptr);
}

TEST_F(HelpPopupTest, EscEnterAndF1CloseItAndF1OpensTheHelpIndexWhenThereIsOne)
{
    int indexShown = 0;
    ui::HelpPopup::SetHelpIndexHandler([&] { ++indexShown; });
    for (int key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_F1}) {
        ShowAtCorner("Help");
        ASSERT_TRUE(popup);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(popup, &press);
        QApplication::processEvents();
        EXPECT_FALSE(popup) << key;
    }
    EXPECT_EQ(indexShown, 1);
}

TEST_F(HelpPopupTest, WithoutTextNothingShows)
{
    popup = new ui::HelpPopup(nullptr, "", QBrush(Qt::Dense4Pattern));
    popup->Show({10, 10, 50, 30});
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(ui::HelpPopup::Current(), nullptr);
    delete popup.data();
}

} // namespace

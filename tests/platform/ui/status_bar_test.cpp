#include "platform/ui/app.h"
#include "platform/ui/cmd_target.h"
#include "platform/ui/command_bar.h"
#include "platform/ui/menu.h"
#include "platform/ui/status_bar.h"

#include <QFont>
#include <QLabel>
#include <QMenu>
#include <gtest/gtest.h>

namespace {

TEST(StatusBar, PanesKeepTheirWidthsAndTexts)
{
    ui::StatusBar bar;
    bar.resize(600, 24);
    bar.SetPanes({{32836, 125, "Pos (x,y) :"}, {32840, 125, "Size (w,h) :"}, {32834, 75, "Page"}});
    bar.show();
    EXPECT_TRUE(bar.SetPaneText(32834, "Page 2 of 3"));
    EXPECT_TRUE(bar.SetPaneText(32836, "Pos (x,y) : 1.5\xB0"));
    EXPECT_FALSE(bar.SetPaneText(4, "nowhere"));

    struct Case {
        unsigned id;
        int width;
        std::string text;
    } cases[] = {
        {32836, 125, "Pos (x,y) : 1.5\xB0"},
        {32840, 125, "Size (w,h) :"},
        {32834, 75, "Page 2 of 3"},
    };
    int left = 0;
    for (const Case& c : cases) {
        ASSERT_NE(bar.GetPane(c.id), nullptr);
        EXPECT_EQ(bar.GetPane(c.id)->width(), c.width);
        EXPECT_EQ(bar.GetPaneText(c.id), c.text);
        EXPECT_GT(bar.GetPane(c.id)->x(), left) << "panes follow each other in order";
        left = bar.GetPane(c.id)->x();
    }
    EXPECT_EQ(bar.GetPaneText(4), "");

    bar.SetPanes({{1, 40, "One"}});
    EXPECT_EQ(bar.GetPane(32836), nullptr);
    EXPECT_EQ(bar.GetPaneText(1), "One");
}

TEST(StatusBar, APaneShowsItsWidestTextWholeInTheBarsFont)
{
    const std::string pos = "Pos (x,y) : ( -88.88 , -88.88 )";
    for (int points : {8, 12, 20}) {
        ui::StatusBar bar;
        QFont font = bar.font();
        font.setPointSize(points);
        bar.setFont(font);
        bar.SetPanes({{32836, 125, "", pos}, {32834, 75, "", "Pg"}, {7, 60, ""}});
        bar.SetPaneText(32836, pos);
        QLabel* pane = bar.GetPane(32836);
        const int needed = pane->fontMetrics().horizontalAdvance(QString::fromStdString(pos));
        EXPECT_GE(pane->contentsRect().width(), needed) << points << " points";
        EXPECT_GE(pane->width(), 125) << "the given width stays a minimum";
        EXPECT_EQ(bar.GetPane(32834)->width(), 75) << "a short widest text keeps the given width";
        EXPECT_EQ(bar.GetPane(7)->width(), 60);
    }
}

TEST(StatusBar, MessagePaneShowsPromptsOrTheIdleMessage)
{
    ui::StatusBar bar;
    bar.SetPromptSource(
        [](unsigned id) { return id == 57603 ? std::string("Save the active form\nSave") : std::string(); });
    EXPECT_EQ(bar.GetMessageText(), "Ready");
    struct Case {
        unsigned id;
        const char* shown;
    } cases[] = {{57603, "Save the active form"}, {57600, "Ready"}, {0, "Ready"}};
    for (const Case& c : cases) {
        bar.ShowPrompt(c.id);
        EXPECT_EQ(bar.GetMessageText(), c.shown) << c.id;
    }
    bar.SetIdleMessage("For Help, press F1");
    EXPECT_EQ(bar.GetMessageText(), "For Help, press F1");
}

TEST(StatusBar, MenuItemsUnderTheMouseShowTheirPrompts)
{
    ui::App app;
    ui::CmdTarget target;
    ui::CommandBar commands(target);
    QMenu menu;
    ui::FillMenu(menu, {ui::MenuItem::Popup("&File", {ui::MenuItem::Command("&Save", 57603)})}, commands);
    ui::StatusBar bar;
    bar.SetPromptSource([](unsigned id) { return "prompt " + std::to_string(id); });
    bar.ShowPromptsOf(menu);

    QMenu* file = menu.actions().front()->menu();
    ASSERT_NE(file, nullptr);
    emit file->hovered(file->actions().front());
    EXPECT_EQ(bar.GetMessageText(), "prompt 57603");
    emit file->aboutToHide();
    EXPECT_EQ(bar.GetMessageText(), "Ready");
}

} // namespace

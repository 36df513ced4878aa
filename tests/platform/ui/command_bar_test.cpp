#include "platform/ui/accelerators.h"
#include "platform/ui/app.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/command_bar.h"
#include "platform/ui/frame.h"
#include "platform/ui/menu.h"
#include "platform/ui/tool_bar.h"

#include "tests/common/run_events.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

using ui::MenuItem;

constexpr unsigned cmdBold = 200, cmdItalic = 201, cmdOrphan = 202, cmdLabel = 203;

struct Bars : testing::Test {
    ui::App app;
    ui::MainFrame frame;
    ui::CommandBar commands {frame};
    QMenuBar menuBar;
    QToolBar toolBar;
    bool boldOn = true;
    bool italicChecked = false;
    std::vector<unsigned> ran;

    Bars()
    {
        frame.AddCommand(cmdBold, [this](unsigned id) { ran.push_back(id); });
        frame.AddCommand(cmdItalic, [this](unsigned id) { ran.push_back(id); });
        frame.AddUpdate(cmdBold, [this](ui::CmdUI& cmd) { cmd.Enable(boldOn); });
        frame.AddUpdate(cmdItalic, [this](ui::CmdUI& cmd) { cmd.SetCheck(italicChecked ? 1 : 0); });
        frame.AddUpdate(cmdLabel, [](ui::CmdUI& cmd) { cmd.SetText("Caf\xE9\tCtrl+E"); });
        ui::FillMenuBar(menuBar,
            {MenuItem::Popup("&Format",
                {MenuItem::Command("&Bold", cmdBold), MenuItem::Separator(), MenuItem::Command("&Italic", cmdItalic),
                    MenuItem::Command("&Orphan", cmdOrphan), MenuItem::Command("x", cmdLabel)})},
            commands);
        ui::FillToolBar(toolBar, {{cmdBold, "Bold", {}}, {0, "", {}}, {cmdItalic, "Italic", {}}}, commands);
    }

    QMenu* FormatMenu() { return menuBar.actions().at(0)->menu(); }

    QAction* MenuAction(unsigned id)
    {
        for (QAction* a : FormatMenu()->actions())
            if (commands.FindAction(id) == a)
                return a;
        return nullptr;
    }

    QAction* ToolAction(int index) { return toolBar.actions().at(index); }
};

TEST_F(Bars, DescriptionsBecomeItemsInOrder)
{
    ASSERT_EQ(FormatMenu()->actions().size(), 5);
    EXPECT_EQ(menuBar.actions().at(0)->text(), "&Format");
    EXPECT_TRUE(FormatMenu()->actions().at(1)->isSeparator());
    EXPECT_EQ(FormatMenu()->actions().at(2)->text(), "&Italic");
    ASSERT_EQ(toolBar.actions().size(), 3);
    EXPECT_TRUE(ToolAction(1)->isSeparator());
    EXPECT_EQ(ToolAction(2)->text(), "Italic");
}

TEST_F(Bars, IdlePassEnablesAndChecksMenuItemsAndToolButtons)
{
    boldOn = false;
    italicChecked = true;
    RunEventsFor(20);
    QAction* boldButton = ToolAction(0);
    QAction* italicButton = ToolAction(2);
    QAction* boldItem = FormatMenu()->actions().at(0);
    QAction* italicItem = FormatMenu()->actions().at(2);
    EXPECT_FALSE(boldItem->isEnabled());
    EXPECT_FALSE(boldButton->isEnabled());
    EXPECT_TRUE(italicItem->isChecked());
    EXPECT_TRUE(italicButton->isChecked());
    EXPECT_FALSE(FormatMenu()->actions().at(3)->isEnabled()) << "no handler anywhere";
    EXPECT_EQ(FormatMenu()->actions().at(4)->text(), QString::fromUtf8("Caf\u00e9\tCtrl+E"));

    boldOn = true;
    italicChecked = false;
    app.Idle();
    EXPECT_TRUE(boldItem->isEnabled());
    EXPECT_TRUE(boldButton->isEnabled());
    EXPECT_FALSE(italicItem->isChecked());
    EXPECT_FALSE(italicButton->isChecked());
}

TEST_F(Bars, TriggeredItemPostsItsCommand)
{
    app.Idle();
    ToolAction(2)->trigger();
    FormatMenu()->actions().at(0)->trigger();
    EXPECT_TRUE(ran.empty()) << "runs after the click, not inside it";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ran, (std::vector<unsigned> {cmdItalic, cmdBold}));
}

TEST_F(Bars, CommandBarOutlivingItsTargetDoesNothing)
{
    auto target = std::make_unique<ui::CmdTarget>();
    ui::CommandBar bar(*target);
    QAction action;
    bar.Bind(&action, 1);
    target.reset();
    EXPECT_EQ(bar.Target(), nullptr);
    app.Idle();
    action.trigger();
    QCoreApplication::sendPostedEvents();
}

TEST_F(Bars, AcceleratorsSendEnabledCommandsAndSpendMatchingKeys)
{
    ui::AcceleratorTable table(
        {{Qt::Key_B, Qt::ControlModifier, cmdBold}, {Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier, cmdItalic}},
        frame);
    QWidget window;
    auto* child = new QWidget(&window);
    QWidget elsewhere;
    table.Install(window);

    struct Case {
        QWidget* receiver;
        int key;
        Qt::KeyboardModifiers mods;
        bool boldEnabled;
        std::vector<unsigned> expected;
    } cases[] = {
        {&window, Qt::Key_B, Qt::ControlModifier, true, {cmdBold}},
        {child, Qt::Key_B, Qt::ControlModifier, true, {cmdBold}},
        {child, Qt::Key_B, Qt::ControlModifier, false, {}},
        {&window, Qt::Key_B, Qt::NoModifier, true, {}},
        {&window, Qt::Key_B, Qt::ControlModifier | Qt::AltModifier, true, {}},
        {&window, Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier, true, {cmdItalic}},
        {&elsewhere, Qt::Key_B, Qt::ControlModifier, true, {}},
    };
    for (const Case& c : cases) {
        ran.clear();
        boldOn = c.boldEnabled;
        QKeyEvent press(QEvent::KeyPress, c.key, c.mods);
        QCoreApplication::sendEvent(c.receiver, &press);
        EXPECT_EQ(ran, c.expected) << c.key << " " << int(c.mods);
    }
}

} // namespace

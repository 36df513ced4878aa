#include "tests/app/support/started_app.h"

#include "platform/ui/command_bar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QToolBar>

namespace {

class RoutingTest : public StartedAppTest {
protected:
    void SetUp() override
    {
        StartedAppTest::SetUp();
        app = StartApp();
        main = app->GetMainFrame();
        child = main->GetActiveChild();
        ASSERT_NE(child, nullptr);
        chain = {{"view", child->GetActiveView()}, {"document", child->GetActiveDocument()},
            {"template", app->GetDocTemplate()}, {"child frame", child}, {"main frame", main},
            {"application", app.get()}};
    }
    void TearDown() override { CloseApp(*app); }

    // The action of the main window's menus or bars bound to the command.
    QAction* FindAction(QWidget& in, unsigned id) const
    {
        for (QAction* action : in.findChildren<QAction*>())
            if (ui::CommandBar::CommandId(*action) == id)
                return action;
        return nullptr;
    }

    std::unique_ptr<FORMSAPP> app;
    FFRAME* main = nullptr;
    ui::Frame* child = nullptr;
    std::vector<std::pair<std::string, ui::CmdTarget*>> chain;
};

TEST_F(RoutingTest, CommandReachesTheFirstTargetThatHandlesIt)
{
    // Each case: the first target (by chain position) given a handler for
    // its own command id; every target after it handles that id too.
    for (size_t first = 0; first < 6; ++first) {
        const unsigned id = 40000 + static_cast<unsigned>(first);
        std::string reached;
        for (size_t i = first; i < chain.size(); ++i)
            chain[i].second->AddCommand(id, [&reached, name = chain[i].first](unsigned) {
                if (reached.empty())
                    reached = name;
            });
        EXPECT_TRUE(app->SendCommand(*main, id));
        EXPECT_EQ(reached, chain[first].first);
    }
    EXPECT_FALSE(app->SendCommand(*main, 40999));
}

TEST_F(RoutingTest, UpdateHandlersEnableAndCheckMenuItemsAndToolBarButtons)
{
    QMainWindow& window = *main->GetWindow();
    app->Idle();
    // Toggling the design bar: its menu item and the button that shows it.
    QAction* menuItem = FindAction(*window.menuBar(), ID_VIEW_FACTORYBAR);
    QAction* button = FindAction(*main->GetStdToolBar(), ID_TOGGLE_FACTORYBAR);
    ASSERT_NE(menuItem, nullptr);
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(menuItem->isEnabled());
    EXPECT_TRUE(menuItem->isChecked());
    EXPECT_TRUE(button->isChecked());

    ASSERT_TRUE(app->SendCommand(*main, ID_TOGGLE_FACTORYBAR));
    app->Idle();
    EXPECT_FALSE(main->GetFactoryToolBar()->isVisible());
    EXPECT_FALSE(menuItem->isChecked());
    EXPECT_FALSE(button->isChecked());

    // The design view's item is checked while it shows; a command nobody
    // handles yet is disabled on the menu and on the bar.
    EXPECT_TRUE(FindAction(*window.menuBar(), ID_VIEW_DESIGN)->isChecked());
    EXPECT_FALSE(FindAction(*window.menuBar(), 32807)->isEnabled());
    EXPECT_FALSE(FindAction(*main->GetStdToolBar(), ID_FILE_PRINT_DIRECT)->isEnabled());
    EXPECT_TRUE(FindAction(*main->GetStdToolBar(), ID_FILE_NEW)->isEnabled());
}

TEST_F(RoutingTest, SentAndPostedCommandsKeepTheirOrder)
{
    std::vector<unsigned> order;
    for (unsigned id : {40100u, 40101u, 40102u, 40103u})
        child->GetActiveView()->AddCommand(id, [&order](unsigned ran) { order.push_back(ran); });
    app->PostCommand(*main, 40100);
    app->PostCommand(*main, 40101);
    app->SendCommand(*main, 40102);
    app->PostCommand(*main, 40103);
    EXPECT_EQ(order, std::vector<unsigned>({40102}));
    RunEventsFor(20);
    EXPECT_EQ(order, std::vector<unsigned>({40102, 40100, 40101, 40103}));
}

} // namespace

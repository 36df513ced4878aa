#include "platform/ui/app.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/document.h"
#include "platform/ui/frame.h"
#include "platform/ui/view.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// The whole route: view, document, template, child frame, main frame, app.
struct Chain {
    ui::App app;
    ui::DocTemplate docTemplate;
    ui::Document document {&docTemplate};
    ui::View view;
    ui::Frame child;
    ui::MainFrame main;

    Chain()
    {
        view.SetDocument(&document);
        child.SetActiveView(&view);
        main.SetActiveChild(&child);
    }

    std::vector<ui::CmdTarget*> Targets() { return {&view, &document, &docTemplate, &child, &main, &app}; }
};

const char* const names[] = {"view", "document", "template", "child", "main", "app"};

TEST(CommandRouting, FirstTargetOnTheRouteThatHandlesACommandGetsIt)
{
    Chain chain;
    std::vector<std::string> ran;
    auto targets = chain.Targets();
    // Target i handles commands 1 .. i+1, so command k is first handled by target k-1.
    for (size_t i = 0; i < targets.size(); ++i)
        targets[i]->AddCommandRange(1, unsigned(i + 1), [&ran, i](unsigned) { ran.push_back(names[i]); });

    for (unsigned id = 1; id <= targets.size(); ++id) {
        ran.clear();
        EXPECT_TRUE(chain.app.SendCommand(chain.main, id));
        EXPECT_EQ(ran, std::vector<std::string> {names[id - 1]}) << "command " << id;
    }
    EXPECT_FALSE(chain.app.SendCommand(chain.main, 99));
}

TEST(CommandRouting, UpdateHandlersFollowTheSameRoute)
{
    Chain chain;
    auto targets = chain.Targets();
    for (size_t i = 0; i < targets.size(); ++i)
        targets[i]->AddUpdateRange(1, unsigned(i + 1), [i](ui::CmdUI& cmd) { cmd.SetText(names[i]); });

    for (unsigned id = 1; id <= targets.size(); ++id) {
        ui::CmdUI state(id);
        state.DoUpdate(chain.main, true);
        EXPECT_EQ(state.Text(), std::string(names[id - 1]));
    }
}

TEST(CommandRouting, ItemsEnableByUpdateHandlerOrElseByHavingACommandHandler)
{
    Chain chain;
    chain.document.AddCommand(10, [](unsigned) {});
    chain.view.AddUpdate(11, [](ui::CmdUI& cmd) { cmd.Enable(false); });
    chain.app.AddCommand(11, [](unsigned) {});
    chain.child.AddUpdate(12, [](ui::CmdUI& cmd) { cmd.SetCheck(1); });

    struct Case {
        unsigned id;
        bool disableIfNoHandler;
        bool enabled;
        int check;
    } cases[] = {
        {10, true, true, 0}, // handler only
        {11, true, false, 0}, // update handler wins over the app's handler
        {12, true, true, 1}, // update handler that leaves enabling alone
        {13, true, false, 0}, // nobody
        {13, false, true, 0}, // nobody, but no disabling asked
    };
    for (const Case& c : cases) {
        ui::CmdUI state(c.id);
        state.DoUpdate(chain.main, c.disableIfNoHandler);
        EXPECT_EQ(state.IsEnabled(), c.enabled) << c.id;
        EXPECT_EQ(state.Check(), c.check) << c.id;
    }
}

TEST(CommandRouting, DisabledCommandIsNotRun)
{
    Chain chain;
    int runs = 0;
    bool enabled = false;
    chain.app.AddCommand(20, [&](unsigned) { ++runs; });
    chain.view.AddUpdate(20, [&](ui::CmdUI& cmd) { cmd.Enable(enabled); });

    EXPECT_FALSE(chain.app.SendCommand(chain.main, 20));
    enabled = true;
    EXPECT_TRUE(chain.app.SendCommand(chain.main, 20));
    EXPECT_EQ(runs, 1);
}

TEST(CommandRouting, LaterHandlerOverridesEarlierAndRangesPassTheId)
{
    ui::App app;
    ui::CmdTarget target;
    std::vector<unsigned> seen;
    target.AddCommandRange(100, 105, [&](unsigned id) { seen.push_back(id); });
    target.AddCommand(103, [&](unsigned) { seen.push_back(0); });

    for (unsigned id : {100u, 103u, 105u, 106u})
        app.SendCommand(target, id);
    EXPECT_EQ(seen, (std::vector<unsigned> {100, 0, 105}));
    EXPECT_THROW(target.AddCommandRange(5, 4, [](unsigned) {}), std::invalid_argument);
}

TEST(CommandRouting, RouteSkipsObjectsThatAreGone)
{
    Chain chain;
    std::vector<std::string> ran;
    chain.main.AddCommand(1, [&](unsigned) { ran.push_back("main"); });
    auto doc = std::make_unique<ui::Document>(&chain.docTemplate);
    auto view = std::make_unique<ui::View>();
    view->SetDocument(doc.get());
    view->AddCommand(1, [&](unsigned) { ran.push_back("view"); });
    chain.child.SetActiveView(view.get());
    EXPECT_EQ(chain.docTemplate.Documents().size(), 2u);

    doc.reset();
    EXPECT_EQ(view->GetDocument(), nullptr);
    EXPECT_EQ(chain.docTemplate.Documents().size(), 1u);
    chain.app.SendCommand(chain.main, 1);
    view.reset();
    EXPECT_EQ(chain.child.GetActiveView(), nullptr);
    chain.app.SendCommand(chain.main, 1);
    EXPECT_EQ(ran, (std::vector<std::string> {"view", "main"}));
}

} // namespace

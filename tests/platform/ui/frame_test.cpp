#include "frame_fixture.h"
#include "tests/common/run_events.h"

#include "platform/ui/window_placement.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <gtest/gtest.h>

namespace {

// A child frame that logs the activation calls it gets.
struct LoggingFrame : ui::Frame {
    LoggingFrame(std::string name, std::vector<std::string>& log)
        : name(std::move(name))
        , log(log)
    {}
    void OnMDIActivate(bool activate, ui::Frame* activated, ui::Frame* deactivated) override
    {
        auto nameOf = [](ui::Frame* f) { return f ? static_cast<LoggingFrame*>(f)->name : std::string("-"); };
        log.push_back(name + (activate ? " on " : " off ") + nameOf(activated) + "/" + nameOf(deactivated));
    }
    std::string name;
    std::vector<std::string>& log;
};

TEST(Frames, ActivationTellsTheLosingFrameFirstThenTheGainingOne)
{
    FrameFixture f;
    std::vector<std::string> log;
    auto* a = f.Open<LoggingFrame>(f.NewDocument("A"), "a", log);
    auto* b = f.Open<LoggingFrame>(f.NewDocument("B"), "b", log);
    EXPECT_EQ(f.main.GetActiveChild(), b);
    f.main.SetActiveChild(a);
    f.main.SetActiveChild(a);
    EXPECT_EQ(f.main.GetActiveChild(), a);
    EXPECT_EQ(f.main.GetClientArea()->activeSubWindow()->widget(), a->GetWindow());

    EXPECT_EQ(log, (std::vector<std::string> {"a on a/-", "a off b/a", "b on b/a", "b off a/b", "a on a/b"}));
}

TEST(Frames, CommandsStartAtTheActiveChildFramesView)
{
    FrameFixture f;
    std::vector<std::string> ran;
    auto* a = f.Open(f.NewDocument("A"));
    auto* b = f.Open(f.NewDocument("B"));
    a->GetActiveView()->AddCommand(1, [&](unsigned) { ran.push_back("view a"); });
    b->GetActiveDocument()->AddCommand(1, [&](unsigned) { ran.push_back("document b"); });
    f.app.SendCommand(f.main, 1);
    f.main.SetActiveChild(a);
    f.app.SendCommand(f.main, 1);
    EXPECT_EQ(ran, (std::vector<std::string> {"document b", "view a"}));
}

TEST(Frames, TitlesFollowTheActiveDocument)
{
    FrameFixture f;
    auto* docA = f.NewDocument("Order \xE9t\xE9");
    auto* a = f.Open(docA);
    auto* b = f.Open(f.NewDocument("B"));
    EXPECT_EQ(f.main.GetWindow()->windowTitle(), "Forms - B");
    f.main.SetActiveChild(a);
    EXPECT_EQ(f.main.GetWindow()->windowTitle(), QString::fromUtf8("Forms - Order \u00e9t\u00e9"));
    docA->SetTitle("Renamed");
    EXPECT_EQ(f.main.GetWindow()->windowTitle(), "Forms - Renamed");
    EXPECT_EQ(f.main.GetClientArea()->activeSubWindow()->windowTitle(), "Renamed");
    EXPECT_EQ(f.main.GetClientArea()->subWindowList().size(), 2);
    (void)b;
}

TEST(Frames, PlacementComesBackInEveryState)
{
    FrameFixture f;
    const QRect normal(40, 30, 500, 400);
    for (ui::WindowState state : {ui::WindowState::Normal, ui::WindowState::Maximized, ui::WindowState::Minimized}) {
        f.main.SetPlacement({normal, state});
        RunEventsFor(10);
        EXPECT_EQ(f.main.IsZoomed(), state == ui::WindowState::Maximized);
        EXPECT_EQ(f.main.IsIconic(), state == ui::WindowState::Minimized);
        ui::WindowPlacement got = f.main.GetPlacement();
        EXPECT_EQ(got.state, state);
        EXPECT_EQ(got.normal, normal) << int(state);
    }
}

TEST(Frames, MinimumTrackSizeHolds)
{
    FrameFixture f;
    f.main.SetMinTrackSize(QSize(400, 300));
    f.main.GetWindow()->resize(100, 100);
    EXPECT_EQ(f.main.GetWindow()->size(), QSize(400, 300));
}

TEST(Frames, ChildFramesMayStartMaximised)
{
    FrameFixture f;
    auto frame = std::make_unique<ui::Frame>();
    ui::Frame* child = f.main.AddChild(std::move(frame), true);
    EXPECT_TRUE(child->IsZoomed());
    EXPECT_THROW(f.main.AddChild(nullptr), std::invalid_argument);
}

} // namespace

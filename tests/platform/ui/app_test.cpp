#include "platform/ui/app.h"
#include "platform/ui/wnd.h"

#include "tests/common/run_events.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

TEST(App, SentCommandRunsAtOnceAndPostedOnesLaterInOrder)
{
    ui::App app;
    ui::CmdTarget target;
    Log log;
    for (unsigned id : {1u, 2u, 3u, 4u})
        target.AddCommand(id, [&log](unsigned id) { log.push_back("cmd" + std::to_string(id)); });
    target.AddCommand(10, [&](unsigned) {
        log.push_back("start");
        app.PostCommand(target, 1);
        app.PostCommand(target, 2);
        app.SendCommand(target, 3);
        app.PostCommand(target, 4);
        log.push_back("end");
    });

    app.SendCommand(target, 10);
    EXPECT_EQ(log, (Log {"start", "cmd3", "end"}));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(log, (Log {"start", "cmd3", "end", "cmd1", "cmd2", "cmd4"}));
}

TEST(App, CommandPostedToATargetDestroyedMeanwhileIsDropped)
{
    ui::App app;
    Log log;
    auto doomed = std::make_unique<ui::CmdTarget>();
    ui::CmdTarget survivor;
    doomed->AddCommand(1, [&](unsigned) { log.push_back("doomed"); });
    survivor.AddCommand(1, [&](unsigned) { log.push_back("survivor"); });
    app.PostCommand(*doomed, 1);
    app.PostCommand(survivor, 1);
    doomed.reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(log, Log {"survivor"});
}

TEST(App, RunEndsWithTheCodeGivenToQuit)
{
    ui::App app;
    ui::CmdTarget target;
    target.AddCommand(1, [&](unsigned) { app.Quit(3); });
    app.PostCommand(target, 1);
    EXPECT_EQ(app.Run(), 3);
}

TEST(App, QuitBeforeRunEndsTheNextRunAndSparesNestedLoops)
{
    ui::App app;
    app.Quit(5);
    bool timerRan = false;
    QTimer::singleShot(0, [&] { timerRan = true; });
    RunEventsFor(20);
    EXPECT_TRUE(timerRan);
    EXPECT_EQ(app.Run(), 5);
}

struct TimerWnd : ui::Wnd {
    explicit TimerWnd(std::vector<unsigned>& ticks)
        : ticks(ticks)
    {}
    void OnTimer(unsigned id) override { ticks.push_back(id); }
    std::vector<unsigned>& ticks;
};

TEST(App, TimerReachesItsWindowUntilKilled)
{
    ui::App app;
    std::vector<unsigned> ticks;
    TimerWnd wnd(ticks);
    wnd.SetTimer(7, 10);
    RunEventsFor(100);
    ASSERT_FALSE(ticks.empty());
    EXPECT_EQ(ticks, std::vector<unsigned>(ticks.size(), 7u));

    EXPECT_TRUE(wnd.KillTimer(7));
    EXPECT_FALSE(wnd.KillTimer(7));
    ticks.clear();
    RunEventsFor(60);
    EXPECT_TRUE(ticks.empty());
}

TEST(App, SettingTheSameWindowAndIdAgainReplacesTheTimer)
{
    ui::App app;
    std::vector<unsigned> ticks, otherTicks;
    TimerWnd wnd(ticks), other(otherTicks);
    wnd.SetTimer(1, 10);
    other.SetTimer(1, 10);
    wnd.SetTimer(1, 60000);
    RunEventsFor(100);
    EXPECT_TRUE(ticks.empty());
    EXPECT_FALSE(otherTicks.empty());
}

TEST(App, DestroyedWindowTakesItsTimersWithIt)
{
    ui::App app;
    std::vector<unsigned> ticks;
    auto first = std::make_unique<TimerWnd>(ticks);
    first->SetTimer(5, 10);
    first.reset();
    // Likely at the same address as the first: must not inherit its timer.
    auto second = std::make_unique<TimerWnd>(ticks);
    RunEventsFor(60);
    EXPECT_TRUE(ticks.empty());
    EXPECT_FALSE(app.KillTimer(*second, 5));
}

struct CountingApp : ui::App {
    bool OnIdle(long count) override
    {
        counts.push_back(count);
        return count < 2;
    }
    std::vector<long> counts;
};

TEST(App, EventLoopRunsIdlePassesWithRisingCounts)
{
    CountingApp app;
    RunEventsFor(30);
    ASSERT_GE(app.counts.size(), 3u);
    EXPECT_EQ(std::vector<long>(app.counts.begin(), app.counts.begin() + 3), (std::vector<long> {0, 1, 2}));
}

} // namespace

// A window's drop target: Qt's drag events become the four notifications
// with the key state, and a drag resting in the border band scrolls the
// window after the delay, then at the interval, on the clock seam's ticks.
#include "platform/ui/clock.h"
#include "platform/ui/drag_drop.h"
#include "platform/ui/drop_target.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace ui;

class TickClock : public Clock {
public:
    std::uint32_t TickCount() override { return tick; }
    std::uint32_t tick = 1000;
};

class RecordingTarget : public DropTarget {
public:
    unsigned OnDragEnter(const DataObject& data, unsigned keyState, QPoint point) override
    {
        log.push_back("enter");
        return OnDragOver(data, keyState, point);
    }
    unsigned OnDragOver(const DataObject& data, unsigned keyState, QPoint point) override
    {
        log.push_back("over " + std::to_string(point.x()) + "," + std::to_string(point.y()));
        lastKeys = keyState;
        return data.IsAvailable("Quirewell Selection") ? ((keyState & kDragControl) ? kDropCopy : kDropMove)
                                                       : kDropNone;
    }
    void OnDragLeave() override { log.push_back("leave"); }
    bool OnDrop(const DataObject& data, unsigned effect, QPoint) override
    {
        log.push_back("drop " + std::to_string(effect));
        return data.IsAvailable("Quirewell Selection");
    }

    std::vector<std::string> log;
    std::vector<uint16_t> scrolled;
    unsigned lastKeys = 0;
    bool scrollable = true;

protected:
    bool CanScroll(uint16_t) override { return scrollable; }
    void Scroll(uint16_t direction) override { scrolled.push_back(direction); }
};

class DropTargetTest : public ::testing::Test {
protected:
    DropTargetTest()
    {
        window.resize(200, 100);
        target.Register(window);
        data.SetData("Quirewell Selection", "x");
    }

    TickClock clock;
    ScopedClock scoped {clock};
    QWidget window;
    RecordingTarget target;
    DataSource data;
};

TEST_F(DropTargetTest, TheBorderBandGivesTheDirectionCodes)
{
    // An 11-pixel band inside a 200 x 100 window.
    const struct {
        QPoint at;
        uint16_t code;
    } cases[] = {{{0, 0}, 0x0000}, {{5, 50}, 0xFF00}, {{199, 50}, 0xFF01}, {{189, 50}, 0xFF01}, {{188, 50}, kNoScroll},
        {{100, 10}, 0x00FF}, {{100, 11}, kNoScroll}, {{100, 95}, 0x01FF}, {{195, 95}, 0x0101}, {{3, 97}, 0x0100},
        {{100, 50}, kNoScroll}, {{-1, 50}, kNoScroll}, {{200, 50}, kNoScroll}};
    for (const auto& c : cases)
        EXPECT_EQ(target.ScrollDirectionAt(c.at), c.code) << c.at.x() << "," << c.at.y();
}

TEST_F(DropTargetTest, ScrollingWaitsTheDelayThenStepsAtTheInterval)
{
    // Held in the top-left corner: up and left together.
    const struct {
        uint32_t tick;
        size_t steps;
    } ticks[] = {{1000, 0}, {1050, 0}, {1051, 1}, {1100, 1}, {1102, 2}, {1200, 3}};
    for (const auto& t : ticks) {
        clock.tick = t.tick;
        EXPECT_TRUE(target.OnDragScroll(0, {2, 3}));
        EXPECT_EQ(target.scrolled.size(), t.steps) << t.tick;
    }
    EXPECT_EQ(target.scrolled.front(), 0x0000);
    // Starting to scroll took the feedback away once.
    EXPECT_EQ(target.log, std::vector<std::string> {"leave"});
    // Another direction waits the delay again.
    clock.tick = 1210;
    EXPECT_TRUE(target.OnDragScroll(0, {199, 50}));
    clock.tick = 1250;
    target.OnDragScroll(0, {199, 50});
    EXPECT_EQ(target.scrolled.size(), 3u);
    clock.tick = 1261;
    target.OnDragScroll(0, {199, 50});
    ASSERT_EQ(target.scrolled.size(), 4u);
    EXPECT_EQ(target.scrolled.back(), 0xFF01);
    // Leaving the band stops and shows the normal feedback again.
    EXPECT_FALSE(target.OnDragScroll(0, {100, 50}));
    EXPECT_EQ(target.GetScrollDirection(), kNoScroll);
    EXPECT_EQ(target.log.back(), "over 100,50");
}

TEST_F(DropTargetTest, AWindowThatCannotScrollGivesTheNormalFeedback)
{
    target.scrollable = false;
    const unsigned effect = SendScriptedDrag(data, kDropCopy | kDropMove,
        {{ScriptedDragStep::Over, &window, {2, 3}}, {ScriptedDragStep::Drop, &window, {2, 3}}});
    EXPECT_EQ(effect, kDropMove);
    EXPECT_TRUE(target.scrolled.empty());
    // The enter shows feedback, and so does every move, the one before the
    // drop included.
    EXPECT_EQ(target.log, (std::vector<std::string> {"enter", "over 2,3", "over 2,3", "over 2,3", "drop 2"}));
}

TEST_F(DropTargetTest, KeysDecideTheEffectAndARefusedPlaceGetsNoDrop)
{
    const struct {
        Qt::KeyboardModifiers keys;
        bool offered;
        unsigned effect;
    } cases[] = {{Qt::NoModifier, true, kDropMove}, {Qt::ShiftModifier, true, kDropMove},
        {Qt::ControlModifier, true, kDropCopy}, {Qt::ControlModifier | Qt::ShiftModifier, true, kDropCopy},
        {Qt::NoModifier, false, kDropNone}};
    for (const auto& c : cases) {
        DataSource carried;
        carried.SetData(c.offered ? "Quirewell Selection" : "Other", "x");
        target.log.clear();
        const unsigned effect = SendScriptedDrag(carried, kDropCopy | kDropMove,
            {{ScriptedDragStep::Over, &window, {100, 50}, c.keys},
                {ScriptedDragStep::Drop, &window, {100, 50}, c.keys}});
        EXPECT_EQ(effect, c.effect);
        EXPECT_EQ(target.log.back(), c.offered ? "drop " + std::to_string(c.effect) : "leave");
        EXPECT_EQ((target.lastKeys & kDragControl) != 0, c.keys.testFlag(Qt::ControlModifier));
    }
}

} // namespace

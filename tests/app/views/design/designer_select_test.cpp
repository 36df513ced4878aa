// Selecting and tracking with the mouse in the design view: clicks pick the
// topmost object, the rubber band the objects inside it, handles resize on
// the grid within the minimum size, the middle moves, and a cancelled or
// returning drag changes nothing.
#include "tests/app/support/designer_window.h"

#include "forms/model/formobj.h"
#include "forms/objects/fselection.h"

#include <gtest/gtest.h>

namespace {

class DesignerSelectTest : public DesignerTest {
protected:
    DesignerSelectTest()
    {
        lower = Add(kTypeBox, {1440, 1440, 2880, 2880});
        upper = Add(kTypeEllipse, {2160, 2160, 4320, 4320});
        apart = Add(kTypeBox, {5760, 5760, 7200, 7200});
    }

    FORMOBJ* lower;
    FORMOBJ* upper;
    FORMOBJ* apart;
};

TEST_F(DesignerSelectTest, ClickSelectsTheTopmostObjectUnderThePointer)
{
    Click(At(2500, 2500));
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {upper});
    Click(At(1600, 1600));
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {lower});
    EXPECT_EQ(view.GetSelection()->GetCount(), 1);
    Click(At(5000, 1000));
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(view.GetSelection()->GetCount(), 0);
}

TEST_F(DesignerSelectTest, RubberBandSelectsTheObjectsWhollyInside)
{
    struct Case {
        POINT from, to;
        std::vector<FORMOBJ*> expected;
    };
    const Case cases[] = {
        {{1000, 1000}, {5000, 5000}, {lower, upper}},
        {{5000, 5000}, {1000, 1000}, {lower, upper}},
        {{1000, 1000}, {3000, 3000}, {lower}},
        {{1000, 1000}, {8000, 8000}, {lower, upper, apart}},
        {{5000, 1000}, {8000, 3000}, {}},
    };
    for (const Case& c : cases) {
        Click(At(500, 9000));
        ASSERT_TRUE(Selected().empty());
        Drag({At(c.from), At((c.from.x + c.to.x) / 2, (c.from.y + c.to.y) / 2), At(c.to)});
        EXPECT_EQ(Selected(), c.expected) << c.from.x << "," << c.from.y;
        EXPECT_EQ(view.GetSelection()->GetCount(), static_cast<int32_t>(c.expected.size()));
    }
    EXPECT_FALSE(doc->IsModified());
}

struct HandleCase {
    const char* name;
    // Where the handle is pressed (page twips) and how far the mouse goes
    // (pixels of 15 twips).
    POINT press;
    POINT by;
    RECT expected;
};

class HandleDrag
    : public DesignerSelectTest
    , public testing::WithParamInterface<HandleCase> {};

// The object (5760, 5760, 7200, 7200) is selected; its handles lie outside
// it, 90 twips square.
TEST_P(HandleDrag, ResizesOrMovesOnTheGrid)
{
    const HandleCase& c = GetParam();
    apart->Select(&view);
    const POINT press = At(c.press);
    Drag({press, {press.x + c.by.x / 2, press.y + c.by.y / 2}, {press.x + c.by.x, press.y + c.by.y}});
    EXPECT_EQ(RectOf(apart), c.expected);
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {apart});
    EXPECT_EQ(doc->IsModified(), !(c.expected == RECT {5760, 5760, 7200, 7200}));
}

INSTANTIATE_TEST_SUITE_P(Designer, HandleDrag,
    testing::Values(HandleCase {"BottomRightSnaps", {7245, 7245}, {40, 60}, {5760, 5760, 7776, 8064}},
        HandleCase {"TopLeftSnaps", {5715, 5715}, {-23, -11}, {5400, 5616, 7200, 7200}},
        HandleCase {"RightPastTheLeftStopsAtTheMinimumWidth", {7245, 6480}, {-200, 0}, {5760, 5760, 5850, 7200}},
        HandleCase {"BottomPastTheTopStopsAtTheMinimumHeight", {6480, 7245}, {0, -300}, {5760, 5760, 7200, 5850}},
        HandleCase {"RightBeyondTheMarginStopsAtTheMargin", {7245, 6480}, {400, 0}, {5760, 5760, 11186, 7200}},
        HandleCase {"MiddleMovesOnTheGridKeepingTheSize", {6480, 6480}, {20, -10}, {6048, 5616, 7488, 7056}},
        HandleCase {"EndingWhereItBeganChangesNothing", {7245, 7245}, {0, 0}, {5760, 5760, 7200, 7200}}),
    [](const testing::TestParamInfo<HandleCase>& info) { return info.param.name; });

TEST_F(DesignerSelectTest, EscapeCancelsAHandleDrag)
{
    apart->Select(&view);
    const POINT press = At(7245, 7245);
    PostMove({press.x + 40, press.y + 40});
    PostKey(Qt::Key_Escape);
    PostRelease({press.x + 40, press.y + 40});
    Press(press);
    EXPECT_EQ(RectOf(apart), (RECT {5760, 5760, 7200, 7200}));
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {apart});
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerSelectTest, ShiftClickAddsAndRemovesOnlyBesideAnotherSelection)
{
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    lower->Select(&view);
    // With one object selected Shift+click changes nothing.
    Press(At(6000, 6000), shift);
    Release(At(6000, 6000), shift);
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {lower});

    upper->Select(&view);
    Press(At(6000, 6000), shift);
    Release(At(6000, 6000), shift);
    EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {lower, upper, apart}));
    Press(At(3240, 3240), shift);
    Release(At(3240, 3240), shift);
    EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {lower, apart}));
    EXPECT_EQ(view.GetSelection()->GetCount(), 2);
}

TEST_F(DesignerSelectTest, SelectPageTakesEveryObjectOfThePage)
{
    view.SetTool(kTypeBox);
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_SELECT_PAGE));
    EXPECT_EQ(view.GetTool(), kSelectionTool);
    EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {lower, upper, apart}));
    EXPECT_EQ(view.GetSelection()->GetCount(), 3);
}

TEST_F(DesignerSelectTest, PlacementRule)
{
    // A4 with half-inch margins: 720 to 11186 across, 720 to 16118 down.
    struct Case {
        RECT r;
        bool outOfPlace;
        int expected;
    };
    const Case cases[] = {
        {{720, 720, 11186, 16118}, false, 1},
        {{700, 720, 2000, 2000}, false, 0},
        {{720, 720, 11200, 2000}, false, 0},
        {{700, 720, 2000, 2000}, true, 1},
        {{-2000, -2000, 10, 10}, true, 1},
        {{-2000, -2000, 0, 0}, true, 0},
        {{720, 720, 32768, 2000}, true, 0},
        {{-32768, 720, 2000, 2000}, true, 0},
    };
    for (const Case& c : cases) {
        view.SetOutOfPlace(c.outOfPlace);
        EXPECT_EQ(view.IsValidPlacement(c.r.left, c.r.top, c.r.right, c.r.bottom, apart), c.expected)
            << c.r.left << "," << c.r.top << "," << c.r.right << "," << c.r.bottom << " " << c.outOfPlace;
    }
    view.SetOutOfPlace(false);
}

} // namespace

namespace {

// The filling order after dragging the upper of two objects (the first one
// in the order given) by its middle.
struct OrderCase {
    const char* name;
    bool upperFirst;
    int dragBy; // pixels down
    bool upperFirstAfter;
};

class FillingOrderAfterMove
    : public DesignerTest
    , public testing::WithParamInterface<OrderCase> {};

TEST_P(FillingOrderAfterMove, FollowsThePositionsOnlyWhenTheirOrderChanged)
{
    const OrderCase& c = GetParam();
    FORMOBJ* upper = Add(kTypeBox, {1440, 1440, 2880, 2880});
    FORMOBJ* lower = Add(kTypeBox, {1440, 4320, 2880, 5760});
    PTRARRAY& order = doc->GetTabOrder();
    order.InsertAt(0, c.upperFirst ? upper : lower);
    order.InsertAt(1, c.upperFirst ? lower : upper);
    upper->Select(&view);
    const POINT press = At(2160, 2160);
    Drag({press, {press.x, press.y + c.dragBy}});
    ASSERT_EQ(order.GetCount(), 2);
    EXPECT_EQ(order.GetAt(0), c.upperFirstAfter ? upper : lower);
    EXPECT_EQ(order.GetAt(1), c.upperFirstAfter ? lower : upper);
}

INSTANTIATE_TEST_SUITE_P(Designer, FillingOrderAfterMove,
    testing::Values(OrderCase {"MovedBelowTheOtherComesSecond", true, 250, false},
        OrderCase {"OwnOrderStaysWhenThePlacesKeepTheirOrder", false, 50, false},
        OrderCase {"MovedBelowTheOtherWhenAlreadySecondStays", false, 250, false},
        OrderCase {"UnmovedKeepsItsOrder", true, 0, true}),
    [](const testing::TestParamInfo<OrderCase>& info) { return info.param.name; });

} // namespace

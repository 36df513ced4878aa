// The selection as one object: counting, its page, its rectangle and
// handles, hit testing, moving and the drag outline.
#include "tests/model/selection_view.h"

#include "forms/model/tracker_geometry.h"

#include <gtest/gtest.h>

namespace {

class SelectionTest
    : public ::testing::Test
    , public SelectionFixture {
protected:
    void SetUp() override
    {
        a = Add("A", {100, 100, 300, 200});
        b = Add("B", {400, 150, 600, 450});
        c = Add("C", {1000, 1000, 1200, 1100});
        other = Add("P2", {100, 100, 300, 200}, 2);
    }
    TestBox* a = nullptr;
    TestBox* b = nullptr;
    TestBox* c = nullptr;
    TestBox* other = nullptr;
};

TEST_F(SelectionTest, CountsSelectedObjectsOnTheViewsPage)
{
    view.currentPage = 1;
    a->Select(&view);
    b->Select(&view);
    EXPECT_EQ(selection.GetCount(), 2);
    EXPECT_EQ(selection.GetPage(), 1);
    // Objects of another page are no part of the selection's walks.
    other->SetSelectFlag(1);
    RECT r;
    selection.GetRect(r);
    EXPECT_EQ(r, (RECT {100, 100, 600, 450}));
    EXPECT_EQ(selection.GetFirstSelected(), a);

    EXPECT_EQ(selection.Deselect(&view), 0);
    EXPECT_EQ(selection.GetCount(), 0);
    EXPECT_FALSE(a->GetSelected());
    EXPECT_FALSE(b->GetSelected());
    EXPECT_EQ(selection.GetFirstSelected(), nullptr);
}

TEST_F(SelectionTest, TakesThePageOfTheFirstSelectionAfterAnEmptyOne)
{
    view.currentPage = 2;
    other->Select(&view);
    EXPECT_EQ(selection.GetPage(), 2);
    view.currentPage = 1;
    other->Deselect(&view);
    a->Select(&view);
    EXPECT_EQ(selection.GetPage(), 1);
}

TEST_F(SelectionTest, SecondSelectionAndDeselectionDownToOneInvalidateTheHandles)
{
    a->Select(&view);
    view.invalidRects.clear();
    b->Select(&view);
    // The first object's update rectangle with its handles (90 twips + 1).
    ASSERT_FALSE(view.invalidRects.empty());
    EXPECT_EQ(view.invalidRects.front(), (RECT {9, 9, 391, 291}));

    c->Select(&view);
    view.invalidRects.clear();
    c->Deselect(&view);
    const size_t threeToTwo = view.invalidRects.size();
    view.invalidRects.clear();
    b->Deselect(&view);
    // Down to one: the selection's update rectangle comes first, then the
    // object's own redraw.
    EXPECT_EQ(view.invalidRects.size(), threeToTwo + 1);
    EXPECT_EQ(selection.GetCount(), 1);
}

TEST_F(SelectionTest, RectangleFollowsTheNumberSelected)
{
    selection.SetRectBy(5, 6, 7, 8);
    RECT r;
    selection.GetRect(r);
    EXPECT_EQ(r, (RECT {5, 6, 7, 8}));

    b->Select(&view);
    selection.GetRect(r);
    EXPECT_EQ(r, RectOf(b));

    // A turned object counts with its turned bounds.
    c->SetPlace(1, {1000, 1000, 1200, 1100}, 900);
    c->Select(&view);
    RECT turned;
    c->GetBoundingRect(turned);
    selection.GetRect(r);
    EXPECT_EQ(r, (RECT {400, 150, turned.right, turned.bottom}));
    selection.GetBoundingRect(r);
    EXPECT_EQ(r, (RECT {400, 150, turned.right, turned.bottom}));
}

TEST_F(SelectionTest, SeveralObjectsShowNoSizingHandles)
{
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);
    struct Case {
        const char* where;
        POINT p;
        int one;
        int several;
    };
    // A's top-left handle lies outside its corner; (2000, 2000) is empty.
    const Case cases[] = {
        {"top-left handle of A", {60, 60}, 0, kHitNothing},
        {"inside A", {200, 150}, kHitInside, kHitInside},
        {"inside B", {500, 300}, kHitNothing, kHitInside},
        {"nowhere", {2000, 2000}, kHitNothing, kHitNothing},
    };
    EXPECT_EQ(selection.HitTestHandles(dc, 200, 150), kHitNothing);
    a->Select(&view);
    for (const Case& c : cases)
        EXPECT_EQ(selection.HitTestHandles(dc, c.p.x, c.p.y), c.one) << c.where;
    b->Select(&view);
    for (const Case& c : cases)
        EXPECT_EQ(selection.HitTestHandles(dc, c.p.x, c.p.y), c.several) << c.where;
}

TEST_F(SelectionTest, HitTestAnswersForSelectedObjectsOnly)
{
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);
    EXPECT_EQ(selection.HitTest(dc, 200, 150), 0);
    a->Select(&view);
    b->Select(&view);
    EXPECT_EQ(selection.HitTest(dc, 200, 150), 1);
    EXPECT_EQ(selection.HitTest(dc, 500, 300), 1);
    EXPECT_EQ(selection.HitTest(dc, 1100, 1050), 0);
}

TEST_F(SelectionTest, MovingSeveralObjectsKeepsTheirSizesAndDistances)
{
    a->Select(&view);
    b->Select(&view);
    // The whole selection (100, 100, 600, 450) goes to (1100, 2100).
    selection.SetRectBy(1100, 2100, 1600, 2450);
    EXPECT_EQ(RectOf(a), (RECT {1100, 2100, 1300, 2200}));
    EXPECT_EQ(RectOf(b), (RECT {1400, 2150, 1600, 2450}));
    EXPECT_EQ(RectOf(c), (RECT {1000, 1000, 1200, 1100}));

    selection.Offset(-100, 50, &view);
    EXPECT_EQ(RectOf(a), (RECT {1000, 2150, 1200, 2250}));
    EXPECT_EQ(RectOf(b), (RECT {1300, 2200, 1500, 2500}));
}

TEST_F(SelectionTest, OneObjectTakesTheRectangleItself)
{
    a->Select(&view);
    selection.SetRectBy(50, 60, 700, 800);
    EXPECT_EQ(RectOf(a), (RECT {50, 60, 700, 800}));
    selection.Offset(10, 20, &view);
    EXPECT_EQ(RectOf(a), (RECT {60, 80, 710, 820}));
}

TEST_F(SelectionTest, TracksOnlyOneObjectThatIsNoGroup)
{
    // Several objects, or none, start no tracking loop.
    EXPECT_EQ(selection.Track(&view, 10, 10), 0);
    a->Select(&view);
    b->Select(&view);
    EXPECT_EQ(selection.Track(&view, 150, 150), 0);
    EXPECT_EQ(selection.CanAlign(), 1);
    EXPECT_EQ(selection.CanCopy(), 1);
    selection.Deselect(&view);
    EXPECT_EQ(selection.CanCut(), 0);

    auto group = std::make_unique<TestGroup>();
    group->SetRect(0, 0, 500, 500);
    TestGroup* g = group.get();
    objects.SetObjectPage(std::move(group), 1);
    g->Select(&view);
    EXPECT_EQ(selection.Track(&view, 100, 100), 0);
}

TEST_F(SelectionTest, DragOutlineOfUpToTenObjectsShowsEachOneBeyondOneRectangle)
{
    for (int i = 0; i < 8; ++i)
        Add("M" + std::to_string(i), {2000 + 100 * i, 3000, 2050 + 100 * i, 3050});
    const auto drag = [&](int expected) {
        int selectedNow = 0;
        for (FORMOBJ* o = objects.GetHead(); o && selectedNow < expected; o = o->GetNext())
            if (o->GetPage() == 1) {
                o->Select(&view);
                ++selectedNow;
            }
        EXPECT_EQ(selection.GetCount(), expected);
        gdi::RecordingSurface surface;
        gdi::DC dc(surface);
        RECT from;
        selection.GetRect(from);
        selection.DrawDragOutline(&view, from.Offset(10, 20), &dc);
        std::vector<gdi::RecordedCall> rects;
        for (const gdi::RecordedCall& call : surface.Calls())
            if (call.name == "FocusRect")
                rects.push_back(call);
        selection.Deselect(&view);
        return rects;
    };

    const auto ten = drag(10);
    ASSERT_EQ(ten.size(), 10u);
    // Topmost first: the last object of the ten is drawn first, moved with
    // the drag and grown by one to the right and bottom.
    EXPECT_EQ(ten.front().points[0], (POINT {2610, 3020}));
    EXPECT_EQ(ten.back().points[0], (POINT {110, 120}));
    EXPECT_EQ(ten.back().points[1], (POINT {311, 221}));

    const auto eleven = drag(11);
    ASSERT_EQ(eleven.size(), 1u);
    EXPECT_EQ(eleven.front().points[0], (POINT {110, 120}));
}

} // namespace

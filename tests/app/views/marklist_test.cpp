// Marked objects: the most recent first, each once, highlighted by
// inverting its rectangle on the view.
#include "tests/app/support/view_test_support.h"

#include "forms/model/formobj.h"

#include <gtest/gtest.h>

namespace {

class MarkListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        view.SetDocument(doc.get());
        view.OnInitialUpdate();
        box = doc->GetObjects().GetHead();
        ellipse = box->GetNext();
        view.surface.Clear();
    }
    int Inversions() const
    {
        int n = 0;
        for (const gdi::RecordedCall& call : view.surface.Calls())
            n += call.name == "PatBlt" && call.values[0] == static_cast<int>(gdi::DSTINVERT);
        return n;
    }

    ProgramWideParts parts;
    std::unique_ptr<FDOCUMENT> doc = MakeTwoPageForm();
    RecordingView view {900, 1200};
    FORMOBJ* box = nullptr;
    FORMOBJ* ellipse = nullptr;
};

TEST_F(MarkListTest, MarkingTwiceKeepsOneEntryAndTheNewestComesFirst)
{
    EXPECT_EQ(view.MarkObject(box, true), 1);
    EXPECT_EQ(view.MarkObject(box, true), 1);
    EXPECT_EQ(view.MarkObject(ellipse, true), 1);
    EXPECT_EQ(view.GetMarks().Objects(), (std::vector<FORMOBJ*> {ellipse, box}));
    // One highlight each: the second marking of the box drew nothing.
    EXPECT_EQ(Inversions(), 2);
}

TEST_F(MarkListTest, HighlightInvertsTheObjectsDeviceRectangle)
{
    view.MarkObject(box, true);
    ASSERT_EQ(Inversions(), 1);
    const POINT vp = view.GetViewportOrg();
    // The box: one to two inches, 96 to 192 pixels from the page's corner.
    EXPECT_EQ(
        view.surface.Calls().back().points, (std::vector<POINT> {{vp.x + 96, vp.y + 96}, {vp.x + 192, vp.y + 192}}));
}

TEST_F(MarkListTest, UnmarkingAndToggling)
{
    EXPECT_EQ(view.MarkObject(box, false), 1); // not marked: nothing to do
    EXPECT_EQ(Inversions(), 0);
    view.ToggleMark(box);
    EXPECT_TRUE(view.GetMarks().Contains(box));
    view.ToggleMark(box);
    EXPECT_FALSE(view.GetMarks().Contains(box));
    EXPECT_EQ(Inversions(), 2);
    view.MarkObject(ellipse, true);
    EXPECT_EQ(view.MarkObject(ellipse, false), 0);
    EXPECT_EQ(view.GetMarks().GetCount(), 0);
}

TEST_F(MarkListTest, ClearingTakesEveryHighlightOff)
{
    view.ClearMarks();
    EXPECT_EQ(Inversions(), 0);
    view.MarkObject(box, true);
    view.MarkObject(ellipse, true);
    view.surface.Clear();
    view.ClearMarks();
    EXPECT_EQ(Inversions(), 2);
    EXPECT_EQ(view.GetMarks().GetCount(), 0);
}

TEST_F(MarkListTest, MarksAreDrawnWithTheirPageOnly)
{
    view.MarkObject(box, true);
    view.surface.Clear();
    gdi::DC dc(view.surface);
    view.OnDraw(dc);
    EXPECT_EQ(Inversions(), 1);
    view.SetPage(2);
    view.surface.Clear();
    view.OnDraw(dc);
    EXPECT_EQ(Inversions(), 0);
}

} // namespace

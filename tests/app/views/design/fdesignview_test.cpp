// The design view: its selection follows the page, the selected objects'
// handles are drawn, and nothing is drawn before the view's first update.
#include "tests/app/support/view_test_support.h"

#include "forms/objects/fselection.h"

#include <gtest/gtest.h>

namespace {

class DesignViewTest : public ::testing::Test {
protected:
    FORMOBJ* FirstOnPage(uint16_t page)
    {
        for (FORMOBJ* o = doc->GetObjects().GetHead(); o; o = o->GetNext())
            if (o->GetPage() == page)
                return o;
        return nullptr;
    }
    size_t CallsOfDrawing()
    {
        view.surface.Clear();
        gdi::DC dc(view.surface);
        view.OnDraw(dc);
        return view.surface.Calls().size();
    }

    ProgramWideParts parts;
    std::unique_ptr<FDOCUMENT> doc = MakeTwoPageForm();
    RecordingView view {900, 1200};
};

TEST_F(DesignViewTest, NothingIsDrawnBeforeTheFirstUpdate)
{
    view.SetDocument(doc.get());
    EXPECT_EQ(view.GetSelection(), nullptr);
    EXPECT_EQ(CallsOfDrawing(), 0u);
    view.OnInitialUpdate();
    ASSERT_NE(view.GetSelection(), nullptr);
    EXPECT_GT(CallsOfDrawing(), 0u);
}

TEST_F(DesignViewTest, SelectedObjectsShowHandlesUntilThePageChanges)
{
    view.SetDocument(doc.get());
    view.OnInitialUpdate();
    const size_t unselected = CallsOfDrawing();
    FORMOBJ* box = FirstOnPage(1);
    ASSERT_NE(box, nullptr);
    box->Select(&view);
    EXPECT_EQ(view.GetSelection()->GetCount(), 1);
    // Only the active view draws handles.
    EXPECT_EQ(CallsOfDrawing(), unselected);
    view.OnActivateView(true, &view, &view);
    EXPECT_GT(CallsOfDrawing(), unselected);

    view.SetPage(2);
    EXPECT_EQ(view.GetSelection()->GetCount(), 0);
    EXPECT_EQ(view.GetSelection()->GetPage(), 2);
    // Back at the page's corner.
    EXPECT_EQ(view.GetScrollPos(), (POINT {0, 0}));
    EXPECT_EQ(view.GetViewportOrg(), (POINT {view.GetPlacement().left, view.GetPlacement().top}));
}

} // namespace

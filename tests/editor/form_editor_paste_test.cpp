// The form editor places pasted objects at the visible corner of the page
// plus a paste offset that grows with each paste, and dropped objects where
// they were dropped; objects larger than the page are refused.
#include "tests/editor/editor_fixture.h"

namespace {

using EditorPasteTest = SelectedBoxAndFieldTest;

TEST_F(EditorPasteTest, PastesLandAtTheVisibleCornerStepByStepAndJoinTheFillingOrder)
{
    // The visible part reaches above and left of the margins: the corner is
    // held within them.
    const RECT visible {0, 2000, 9000, 12000};
    const int32_t steps[] = {0, 180, 360, 540, 720, 0};
    for (int32_t step : steps) {
        std::unique_ptr<FSELECTION> paste = CopyOfSelection(pane);
        ASSERT_NE(paste, nullptr);
        ASSERT_TRUE(pane.editor.PlacePasted(*paste, visible, {0, 0}));
        const std::vector<FORMOBJ*> selected = Selected();
        ASSERT_EQ(selected.size(), 2u);
        EXPECT_EQ(RectOf(selected[0]), (RECT {720 + step, 2000 + step, 2160 + step, 3440 + step})) << step;
        EXPECT_EQ(RectOf(selected[1]), (RECT {720 + step, 4160 + step, 3600 + step, 4448 + step})) << step;
        EXPECT_EQ(pane.selection.GetCount(), 2);
        EXPECT_TRUE(doc.GetTabOrder().Contains(selected[1])) << "the pasted field is in the filling order";
    }
    EXPECT_EQ(doc.GetTabOrderCount(), 1 + int(std::size(steps)));
    EXPECT_EQ(Objects().size(), 2u + 2u * std::size(steps));
    EXPECT_EQ(pane.listener.placed, int(std::size(steps)));
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(EditorPasteTest, APasteThatMayNotTakeTheOffsetGoesToTheCornerAndTheOffsetStays)
{
    pane.view.valid = false;
    std::unique_ptr<FSELECTION> paste = CopyOfSelection(pane);
    ASSERT_NE(paste, nullptr);
    ASSERT_TRUE(pane.editor.PlacePasted(*paste, {1000, 1000, 9000, 12000}, {100, 200}));
    // The placement was tested relative to the scroll origin.
    ASSERT_EQ(pane.view.asked.size(), 1u);
    EXPECT_EQ(pane.view.asked[0], (RECT {900, 800, 3780, 3248}));
    EXPECT_EQ(RectOf(Selected()[0]), (RECT {1000, 1000, 2440, 2440}));
    EXPECT_EQ(FORM_EDITOR::GetPasteOffset(), (POINT {0, 0}));
}

TEST_F(EditorPasteTest, ADropGoesWhereItWasDroppedOnTheViewsPage)
{
    doc.AppendPage();
    pane.view.page = 2;
    std::unique_ptr<FSELECTION> paste = CopyOfSelection(pane);
    ASSERT_NE(paste, nullptr);
    RecordUndo();
    ASSERT_TRUE(pane.editor.PlaceDropped(*paste, {5000, 6000, 5001, 6001}));
    const std::vector<FORMOBJ*> selected = Selected();
    ASSERT_EQ(selected.size(), 2u);
    EXPECT_EQ(selected[0]->GetPage(), 2);
    EXPECT_EQ(RectOf(selected[0]), (RECT {5000, 6000, 6440, 7440}));
    EXPECT_EQ(RectOf(selected[1]), (RECT {5000, 8160, 7880, 8448}));
    EXPECT_TRUE(doc.GetUndoList().IsEmpty());
    EXPECT_EQ(FORM_EDITOR::GetPasteOffset(), (POINT {0, 0})) << "a drop leaves the paste offset";
}

TEST_F(EditorPasteTest, ObjectsLargerThanThePageAreRefusedAndNothingChanges)
{
    box->SetRect(0, 0, 12241, 100);
    std::unique_ptr<FSELECTION> paste = CopyOfSelection(pane);
    ASSERT_NE(paste, nullptr);
    EXPECT_FALSE(pane.editor.PlacePasted(*paste, {0, 0, 9000, 12000}, {0, 0}));
    EXPECT_EQ(pane.listener.tooLarge, 1);
    EXPECT_EQ(pane.listener.placed, 0);
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {box, field}));
    EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {box, field}));
    FSELECTION empty(nullptr);
    EXPECT_FALSE(pane.editor.PlaceDropped(empty, {0, 0, 1, 1}));
    EXPECT_EQ(pane.listener.tooLarge, 1);
}

} // namespace

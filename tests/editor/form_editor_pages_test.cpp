// The form editor's page operations deselect everything and empty the undo
// list; objects move and go with their pages; insertions and deletions are
// told as page hints for the form's other views.
#include "tests/editor/editor_fixture.h"

namespace {

TEST_F(EditorTest, PagesAreAddedInsertedAndDeletedWithNothingSelectedAndNoUndo)
{
    TestBox* first = AddBox({1440, 1440, 2880, 2880});
    first->Select(&pane.view);
    RecordUndo();
    pane.editor.AppendPage();
    EXPECT_EQ(doc.GetPageCount(), 2);
    EXPECT_EQ(pane.selection.GetCount(), 0);
    EXPECT_TRUE(doc.GetUndoList().IsEmpty());

    TestBox* second = AddBox({1440, 1440, 2880, 2880}, 2);
    pane.ShowPage(2);
    second->Select(&pane.view);
    RecordUndo();
    pane.editor.InsertPage(1);
    EXPECT_EQ(doc.GetPageCount(), 3);
    EXPECT_EQ(first->GetPage(), 2);
    EXPECT_EQ(second->GetPage(), 3);
    EXPECT_EQ(pane.selection.GetCount(), 0);
    EXPECT_TRUE(doc.GetUndoList().IsEmpty());

    first->Select(&pane.view);
    RecordUndo();
    pane.editor.DeletePage(2);
    EXPECT_EQ(doc.GetPageCount(), 2);
    EXPECT_EQ(Objects(), std::vector<FORMOBJ*> {second});
    EXPECT_EQ(second->GetPage(), 2);
    EXPECT_EQ(pane.selection.GetCount(), 0);
    EXPECT_TRUE(doc.GetUndoList().IsEmpty());

    pane.editor.DeletePage(2);
    pane.editor.DeletePage(1);
    EXPECT_EQ(doc.GetPageCount(), 1) << "the only page is kept, emptied";
    EXPECT_TRUE(Objects().empty());
}

TEST_F(EditorTest, InsertAndDeleteTellThePageHintAndAppendTellsNothing)
{
    using Hints = std::vector<std::pair<uint8_t, uint16_t>>;
    pane.editor.AppendPage();
    pane.editor.AppendPage();
    EXPECT_EQ(pane.listener.pageHints, Hints {}) << "an appended page moves no view's page";

    pane.editor.InsertPage(2);
    EXPECT_EQ(pane.listener.pageHints, (Hints {{kHintPageInserted, 2}}));
    EXPECT_EQ(doc.GetPageCount(), 4);

    pane.listener.pageHints.clear();
    pane.editor.DeletePage(4);
    pane.editor.DeletePage(1);
    EXPECT_EQ(pane.listener.pageHints, (Hints {{kHintPageDeleted, 4}, {kHintPageDeleted, 1}}));
    EXPECT_EQ(doc.GetPageCount(), 2);

    pane.listener.pageHints.clear();
    pane.editor.DeletePage(2);
    pane.editor.DeletePage(1);
    EXPECT_EQ(pane.listener.pageHints, (Hints {{kHintPageDeleted, 2}, {kHintPageDeleted, 1}}))
        << "the kept, emptied page of a one-page form is told as deleted";
    EXPECT_EQ(doc.GetPageCount(), 1);
}

} // namespace

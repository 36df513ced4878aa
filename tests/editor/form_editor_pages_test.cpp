// The form editor's page operations deselect everything and empty the undo
// list; objects move and go with their pages.
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

} // namespace

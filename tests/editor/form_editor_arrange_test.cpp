// The form editor's arrange operations: grouping and ungrouping empty the
// undo list and mark the form modified, and do nothing where the selection
// does not allow them; the order of objects changes only for the selected.
#include "tests/editor/editor_fixture.h"

#include "forms/objects/fgroup.h"

namespace {

class EditorArrangeTest : public EditorTest {
protected:
    EditorArrangeTest()
    {
        back = AddBox({1440, 1440, 2880, 2880});
        front = AddBox({4320, 1440, 5760, 2880});
    }
    TestBox* back;
    TestBox* front;
};

TEST_F(EditorArrangeTest, GroupingAndUngroupingEmptyTheUndoListAndModifyTheForm)
{
    back->Select(&pane.view);
    RecordUndo();
    EXPECT_FALSE(pane.editor.Group()) << "one object makes no group";
    EXPECT_FALSE(pane.editor.Ungroup());
    EXPECT_FALSE(doc.GetUndoList().IsEmpty());
    EXPECT_FALSE(doc.IsModified());

    front->Select(&pane.view);
    ASSERT_TRUE(pane.editor.Group());
    ASSERT_EQ(Objects().size(), 1u);
    auto* group = dynamic_cast<FGROUP*>(Objects()[0]);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {group});
    EXPECT_EQ(RectOf(group), (RECT {1440, 1440, 5760, 2880}));
    EXPECT_TRUE(doc.GetUndoList().IsEmpty());
    EXPECT_TRUE(doc.IsModified());

    doc.SetModified(false);
    RecordUndo();
    ASSERT_TRUE(pane.editor.Ungroup());
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {back, front}));
    EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {back, front}));
    EXPECT_TRUE(doc.GetUndoList().IsEmpty());
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(EditorArrangeTest, TheSelectedObjectGoesToTheFrontOrTheBack)
{
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {back, front}));
    back->Select(&pane.view);
    pane.editor.BringToFront();
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {front, back}));
    EXPECT_TRUE(doc.IsModified());
    doc.SetModified(false);
    pane.editor.SendToBack();
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {back, front}));
    EXPECT_TRUE(doc.IsModified());
}

} // namespace

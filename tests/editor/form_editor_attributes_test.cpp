// The form editor changes the selected objects' attributes under one undo
// snapshot: taken back when the change is not kept, and never left in the
// undo list in front of an earlier step.
#include "tests/editor/editor_fixture.h"

#include "forms/edit/undo_action.h"
#include "forms/model/border.h"

namespace {

TEST_F(EditorTest, AnAttributeChangedUnderOneSnapshotIsTakenBackUnlessKept)
{
    TestBox* box = AddBox({1440, 1440, 2880, 2880});
    TestBox* other = AddBox({4320, 1440, 5760, 2880});
    box->hasBorder = true;
    box->border.width = 15;
    box->Select(&pane.view);
    const UNDO_ACTION* earlier = doc.GetUndoList().Record({&doc.GetObjects(), nullptr, kUndoSnapshot}, 1);
    ASSERT_NE(earlier, nullptr);

    for (const bool keep : {false, true}) {
        const bool answered = pane.editor.ChangeUnderSnapshot([&] {
            BORDER wide;
            wide.Copy(box->border);
            wide.width = 45;
            pane.selection.SetBorder(wide);
            return keep;
        });
        EXPECT_EQ(answered, keep);
        EXPECT_EQ(box->border.width, keep ? 45 : 15) << keep;
        EXPECT_FALSE(other->hasBorder) << "only the selection changes";
        ASSERT_TRUE(doc.GetUndoList().Contains(earlier)) << keep;
        doc.GetUndoList().Drop(earlier);
        EXPECT_TRUE(doc.GetUndoList().IsEmpty()) << "the snapshot is dropped when the change ends";
        earlier = doc.GetUndoList().Record({&doc.GetObjects(), nullptr, kUndoSnapshot}, 1);
    }
}

} // namespace

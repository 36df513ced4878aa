// The form editor's format changes of the selected objects: attributes
// changed (a Format dialog) or set (an appearance page, which needs the
// view's window), alignment, text attributes and line spacing only where
// the selection has them, rotation, and the appearance sheet's snapshot.
#include "tests/editor/editor_fixture.h"

#include "forms/edit/undo_action.h"
#include "forms/model/border.h"
#include "forms/model/textattr.h"
#include "forms/objects/ftextobj.h"

namespace {

// A box with a character format, an alignment and a line spacing of its
// own; a change record merges into its format.
class TextKind : public TestBox {
public:
    TextKind()
        : TestBox(kTypeBox, "text")
    {
        font.Reset();
    }
    int GetFont(TEXTATTR* out) override
    {
        *out = font;
        return 1;
    }
    void SetFont(const TEXTATTR& change) override { font.Merge(change); }
    int GetAlignment(uint8_t* out) override
    {
        *out = alignment;
        return 1;
    }
    void SetAlignment(uint8_t code) override { alignment = code; }
    int GetAttribute(int kind, uintptr_t out) override
    {
        if (kind != kAttrLineSpacing)
            return 0;
        if (out)
            *reinterpret_cast<uint16_t*>(out) = spacing;
        return 1;
    }
    void SetAttribute(int kind, uintptr_t value) override
    {
        if (kind == kAttrLineSpacing)
            spacing = *reinterpret_cast<const uint16_t*>(value);
    }

    TEXTATTR font;
    uint8_t alignment = 0;
    uint16_t spacing = 0xFFFF;
};

// A bordered box selected beside one left alone, and a text kind.
class FormatTest : public EditorTest {
protected:
    FormatTest()
    {
        box = AddBox({1440, 1440, 2880, 2880});
        other = AddBox({4320, 1440, 5760, 2880});
        text = Place(std::make_unique<TextKind>(), {1440, 4320, 4320, 4608}, 1);
        for (TestBox* b : {box, other}) {
            b->hasBorder = true;
            b->border.width = 15;
        }
        box->Select(&pane.view);
    }
    static BORDER Wide()
    {
        BORDER wide;
        wide.width = 45;
        wide.reserved = 3;
        return wide;
    }

    TestBox* box;
    TestBox* other;
    TextKind* text;
};

TEST_F(FormatTest, ABorderChangedUnderOneSnapshotIsTakenBackOnCancelAndKeptOnOk)
{
    for (const bool keep : {false, true}) {
        const bool kept = pane.editor.ChangeUnderSnapshot([&] {
            EXPECT_TRUE(pane.editor.ApplyBorder(Wide(), false));
            EXPECT_EQ(box->border.width, 45);
            EXPECT_EQ(box->border.reserved, 0) << "the query's flags stay with the dialog";
            return keep;
        });
        EXPECT_EQ(kept, keep);
        EXPECT_EQ(box->border.width, keep ? 45 : 15) << keep;
        EXPECT_EQ(other->border.width, 15) << "only the selection changes";
        EXPECT_TRUE(doc.GetUndoList().IsEmpty()) << "the snapshot goes when the dialog ends";
    }
}

TEST_F(FormatTest, APageSetsAnAttributeOnlyThroughTheViewsWindow)
{
    EXPECT_FALSE(pane.editor.ApplyBorder(Wide(), true)) << "the windowless view draws on nothing";
    EXPECT_EQ(box->border.width, 15);
    EXPECT_FALSE(doc.IsModified());
}

TEST_F(FormatTest, AlignmentAndTextChangesReachOnlySelectedObjectsThatHaveThem)
{
    TEXTATTR bold;
    bold.SetMixed();
    bold.bold = 1;
    EXPECT_FALSE(pane.editor.ChangeAlignment(3)) << "a box has no alignment";
    EXPECT_FALSE(pane.editor.ChangeTextAttr(bold)) << "nor text";
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(text->alignment, 0);

    text->Select(&pane.view);
    EXPECT_TRUE(pane.editor.ChangeAlignment(3));
    EXPECT_EQ(text->alignment, 3);
    EXPECT_TRUE(doc.IsModified());
    doc.SetModified(false);
    const uint16_t size = text->font.size;
    EXPECT_TRUE(pane.editor.ChangeTextAttr(bold));
    EXPECT_EQ(text->font.bold, 1);
    EXPECT_EQ(text->font.size, size) << "mixed fields stay as they were";
    EXPECT_TRUE(doc.IsModified());

    pane.editor.ApplyLineSpacing(480);
    EXPECT_EQ(text->spacing, 480);

    doc.SetModified(false);
    pane.editor.ChangeRotation(900);
    EXPECT_EQ(text->GetRotation(), 900);
    EXPECT_EQ(box->GetRotation(), 900);
    EXPECT_EQ(other->GetRotation(), 0);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(FormatTest, TheAppearanceSheetsSnapshotIsPutBackAndDroppedOnlyWhileTheListHoldsIt)
{
    pane.editor.RecordSelectionUndo();
    box->border.width = 60;
    pane.editor.UndoLast();
    EXPECT_EQ(box->border.width, 15) << "Cancel puts the snapshot back";

    // A second sheet takes a new snapshot in place of the first.
    pane.editor.RecordSelectionUndo();
    pane.editor.RecordSelectionUndo();
    box->border.width = 60;
    pane.editor.DropLastUndo();
    EXPECT_TRUE(doc.GetUndoList().IsEmpty()) << "one snapshot at a time";
    pane.editor.UndoLast();
    EXPECT_EQ(box->border.width, 60) << "a dropped snapshot puts nothing back";

    // The list emptied under the sheet: nothing is put back or dropped.
    pane.editor.RecordSelectionUndo();
    doc.GetUndoList().Clear();
    box->border.width = 90;
    pane.editor.UndoLast();
    pane.editor.DropLastUndo();
    EXPECT_EQ(box->border.width, 90);
}

} // namespace

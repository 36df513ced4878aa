// The form editor's moves within the form: the filling order follows a move
// that changes the fields' order on the form, objects moved from one view
// of the form to another are set aside while their copies are pasted and
// put back when nothing could be pasted, and objects copied to another view
// stay where they are beside their copies.
#include "tests/editor/editor_fixture.h"

#include "forms/document/ptrarray.h"

namespace {

class EditorMoveTest : public SelectedBoxAndFieldTest {
protected:
    EditorPane other {doc};
};

TEST_F(EditorMoveTest, TheFillingOrderFollowsAMoveOnlyWhenTheOrderOnTheFormChanged)
{
    TestField* middle = AddField({1440, 7200, 4320, 7488});
    TestField* last = AddField({1440, 9000, 4320, 9288});
    // A filling order of its own, out of the order on the form.
    PTRARRAY& order = doc.GetTabOrder();
    order.RemoveAll();
    for (FORMOBJ* f : {static_cast<FORMOBJ*>(last), static_cast<FORMOBJ*>(field), static_cast<FORMOBJ*>(middle)})
        order.InsertAt(order.GetCount(), f);
    order.Renumber();

    std::vector<FORMOBJ*> before = pane.editor.FieldsByPosition();
    EXPECT_EQ(before, (std::vector<FORMOBJ*> {field, middle, last}));
    field->SetRect(1440, 3700, 4320, 3988);
    pane.editor.FollowFillingOrder(before);
    EXPECT_EQ(FillingOrder(), (std::vector<FORMOBJ*> {last, field, middle})) << "the order on the form kept";

    before = pane.editor.FieldsByPosition();
    field->SetRect(1440, 8000, 4320, 8288);
    pane.editor.FollowFillingOrder(before);
    EXPECT_EQ(FillingOrder(), (std::vector<FORMOBJ*> {middle, field, last})) << "the order on the form changed";
}

TEST_F(EditorMoveTest, AMoveWhosePasteFailsPutsTheSourceBack)
{
    const uint16_t id = field->GetFieldID();
    const FORM_EDITOR::MoveResult moved
        = other.editor.MoveFrom(pane.editor, [] { return std::unique_ptr<FSELECTION>(); }, {5000, 5000, 5001, 5001});
    EXPECT_EQ(moved, FORM_EDITOR::MoveResult::PutBack);
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {box, field}));
    EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {box, field}));
    EXPECT_EQ(pane.selection.GetCount(), 2);
    EXPECT_EQ(other.selection.GetCount(), 0);
    EXPECT_EQ(FillingOrder(), std::vector<FORMOBJ*> {field});
    EXPECT_EQ(field->GetFieldID(), id);
    EXPECT_EQ(RectOf(box), (RECT {1440, 1440, 2880, 2880}));
}

TEST_F(EditorMoveTest, AMoveToAnotherViewReplacesTheObjectsByTheirCopiesAtTheTarget)
{
    std::unique_ptr<FSELECTION> copy = CopyOfSelection(pane);
    ASSERT_NE(copy, nullptr);
    bool setAside = false;
    const FORM_EDITOR::MoveResult moved = other.editor.MoveFrom(pane.editor,
        [&] {
            // While the paste runs, the dragged objects are out of the form
            // and its filling order.
            setAside = Objects().empty() && FillingOrder().empty();
            return std::move(copy);
        },
        {5040, 5040, 5041, 5041});
    EXPECT_EQ(moved, FORM_EDITOR::MoveResult::Moved);
    EXPECT_TRUE(setAside);
    const std::vector<FORMOBJ*> objects = Objects();
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_NE(objects[0], box);
    EXPECT_EQ(RectOf(objects[0]), (RECT {5040, 5040, 6480, 6480}));
    EXPECT_EQ(FillingOrder(), std::vector<FORMOBJ*> {objects[1]});
    EXPECT_EQ(pane.selection.GetCount(), 0);
    EXPECT_EQ(other.selection.GetCount(), 2);
    EXPECT_EQ(other.listener.placed, 1);
}

TEST_F(EditorMoveTest, ACopyToAnotherViewKeepsTheObjectsAndAddsTheCopiesAtTheTarget)
{
    std::unique_ptr<FSELECTION> copy = CopyOfSelection(pane);
    ASSERT_NE(copy, nullptr);
    bool letGo = false;
    EXPECT_TRUE(other.editor.CopyFrom(pane.editor,
        [&] {
            // The source has let its selection go before the paste runs.
            letGo = pane.selection.GetCount() == 0 && Selected().empty();
            return std::move(copy);
        },
        {5040, 5040, 5041, 5041}));
    EXPECT_TRUE(letGo);
    const std::vector<FORMOBJ*> objects = Objects();
    ASSERT_EQ(objects.size(), 4u);
    EXPECT_EQ(objects[0], box);
    EXPECT_EQ(objects[1], field);
    EXPECT_EQ(RectOf(box), (RECT {1440, 1440, 2880, 2880}));
    EXPECT_EQ(RectOf(objects[2]), (RECT {5040, 5040, 6480, 6480}));
    EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {objects[2], objects[3]}));
    EXPECT_EQ(FillingOrder(), (std::vector<FORMOBJ*> {field, objects[3]}));
    EXPECT_EQ(other.selection.GetCount(), 2);
    EXPECT_EQ(other.listener.placed, 1);
}

TEST_F(EditorMoveTest, ACopyWhosePasteFailsLeavesTheFormAsItWas)
{
    EXPECT_FALSE(
        other.editor.CopyFrom(pane.editor, [] { return std::unique_ptr<FSELECTION>(); }, {5000, 5000, 5001, 5001}));
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {box, field}));
    EXPECT_EQ(FillingOrder(), std::vector<FORMOBJ*> {field});
    EXPECT_EQ(pane.selection.GetCount(), 0) << "the source let its selection go";
    EXPECT_EQ(other.listener.placed, 0);
}

} // namespace

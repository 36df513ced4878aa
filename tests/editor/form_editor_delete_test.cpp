// The form editor's deletion and Undo Deletion: the undo list takes the
// deleted objects and gives them back, selected and in their place in the
// filling order; two or more are deleted only when the question is
// answered.
#include "tests/editor/editor_fixture.h"

#include "platform/ui/message_box.h"

namespace {

class EditorDeleteTest : public SelectedBoxAndFieldTest {
protected:
    EditorDeleteTest() { later = AddField({1440, 7200, 4320, 7488}); }
    TestField* later;
};

TEST_F(EditorDeleteTest, UndoDeletionGivesTheObjectsBackSelectedAndInTheFillingOrder)
{
    ASSERT_EQ(FillingOrder(), (std::vector<FORMOBJ*> {field, later}));
    EXPECT_TRUE(pane.editor.DeleteSelection(false));
    EXPECT_EQ(Objects(), std::vector<FORMOBJ*> {later});
    EXPECT_EQ(FillingOrder(), std::vector<FORMOBJ*> {later});
    EXPECT_EQ(pane.selection.GetCount(), 0);
    EXPECT_TRUE(doc.IsModified());
    ASSERT_TRUE(pane.editor.CanUndoDeletion());

    ASSERT_TRUE(pane.editor.UndoDeletion());
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {box, field, later}));
    EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {box, field}));
    EXPECT_EQ(pane.selection.GetCount(), 2);
    EXPECT_EQ(FillingOrder(), (std::vector<FORMOBJ*> {field, later}));
    EXPECT_EQ(RectOf(box), (RECT {1440, 1440, 2880, 2880}));
    EXPECT_FALSE(pane.editor.CanUndoDeletion());
    EXPECT_FALSE(pane.editor.UndoDeletion()) << "one deletion is undone once";
}

TEST_F(EditorDeleteTest, OnlyTheLastDeletionCanBeUndone)
{
    box->Deselect(&pane.view);
    ASSERT_TRUE(pane.editor.DeleteSelection(false));
    later->Select(&pane.view);
    ASSERT_TRUE(pane.editor.DeleteSelection(false));
    EXPECT_EQ(Objects(), std::vector<FORMOBJ*> {box});

    ASSERT_TRUE(pane.editor.UndoDeletion());
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {box, later}));
    EXPECT_EQ(FillingOrder(), std::vector<FORMOBJ*> {later});
    EXPECT_FALSE(pane.editor.CanUndoDeletion());
}

TEST_F(EditorDeleteTest, TwoOrMoreAreDeletedOnlyWhenTheQuestionIsAnsweredOrNotAsked)
{
    struct Case {
        const char* what;
        bool ask;
        int answer;
        bool deleted;
        int questions;
    };
    const Case cases[] = {
        {"asked, cancelled", true, ui::IDCANCEL, false, 1},
        {"asked, confirmed", true, ui::IDOK, true, 1},
        {"not asked", false, ui::IDCANCEL, true, 0},
    };
    for (const Case& c : cases) {
        int questions = 0;
        ui::ScopedMessageBoxHook hook([&](const ui::MessageBoxRequest&) {
            ++questions;
            return c.answer;
        });
        doc.SetModified(false);
        EXPECT_EQ(pane.editor.DeleteSelection(c.ask), c.deleted) << c.what;
        EXPECT_EQ(questions, c.questions) << c.what;
        EXPECT_EQ(doc.IsModified(), c.deleted) << c.what;
        EXPECT_EQ(pane.editor.CanUndoDeletion(), c.deleted) << c.what;
        if (c.deleted) {
            ASSERT_TRUE(pane.editor.UndoDeletion()) << c.what;
        }
        EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {box, field, later})) << c.what;
        EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {box, field})) << c.what;
    }
}

TEST_F(EditorDeleteTest, NothingSelectedDeletesNothing)
{
    pane.selection.Deselect(&pane.view);
    EXPECT_FALSE(pane.editor.DeleteSelection(false));
    EXPECT_EQ(Objects().size(), 3u);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(pane.editor.CanUndoDeletion());
}

} // namespace

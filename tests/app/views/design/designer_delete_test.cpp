// Deleting in the design view and Undo Deletion: two or more objects are
// asked about first, the deleted objects come back in their places, and
// only a deletion enables the command.
#include "tests/app/support/designer_window.h"

#include "forms/editor/form_editor.h"
#include "forms/model/formobj.h"
#include "forms/objects/fselection.h"

#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class DesignerDeleteTest : public DesignerTest {
protected:
    DesignerDeleteTest()
    {
        a = Add(kTypeBox, {1440, 1440, 2880, 2880});
        b = Add(kTypeEllipse, {3600, 1440, 5040, 2880});
        c = Add(kTypeLine, {1440, 3600, 5040, 5040});
        d = Add(kTypeOrthLine, {1440, 6480, 5040, 6480});
    }
    // Answers every question with the answer given and counts them.
    ui::ScopedMessageBoxHook Answering(int answer)
    {
        return ui::ScopedMessageBoxHook([this, answer](const ui::MessageBoxRequest& request) {
            questions.push_back(request.text);
            return answer;
        });
    }

    FORMOBJ* a;
    FORMOBJ* b;
    FORMOBJ* c;
    FORMOBJ* d;
    std::vector<std::string> questions;
};

TEST_F(DesignerDeleteTest, DeletingSeveralAsksThenUndoPutsThemBackInPlace)
{
    auto hook = Answering(ui::IDOK);
    b->Select(&view);
    d->Select(&view);
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    Key(Qt::Key_Delete);
    EXPECT_EQ(questions, std::vector<std::string> {"Delete all selected objects?"});
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {a, c}));
    EXPECT_EQ(view.GetSelection()->GetCount(), 0);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(Enabled(ID_EDIT_UNDO));

    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_UNDO));
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {a, b, c, d}));
    EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {b, d}));
    EXPECT_EQ(view.GetSelection()->GetCount(), 2);
    EXPECT_EQ(RectOf(b), (RECT {3600, 1440, 5040, 2880}));
    EXPECT_EQ(RectOf(d), (RECT {1440, 6480, 5040, 6480}));
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
}

TEST_F(DesignerDeleteTest, CancellingTheQuestionKeepsEverything)
{
    auto hook = Answering(ui::IDCANCEL);
    a->Select(&view);
    c->Select(&view);
    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_CLEAR));
    EXPECT_EQ(questions.size(), 1u);
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {a, b, c, d}));
    EXPECT_EQ(Selected(), (std::vector<FORMOBJ*> {a, c}));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
}

TEST_F(DesignerDeleteTest, OneObjectGoesWithoutAQuestionAndASecondDeletionReplacesTheFirst)
{
    auto hook = Answering(ui::IDOK);
    EXPECT_FALSE(Enabled(ID_EDIT_CLEAR));
    a->Select(&view);
    EXPECT_TRUE(Enabled(ID_EDIT_CLEAR));
    Key(Qt::Key_Delete);
    c->Select(&view);
    Key(Qt::Key_Delete);
    EXPECT_TRUE(questions.empty());
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {b, d}));

    ASSERT_TRUE(view.ExecuteCommand(ID_EDIT_UNDO));
    EXPECT_EQ(Objects(), (std::vector<FORMOBJ*> {b, c, d}));
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {c});
    EXPECT_FALSE(view.ExecuteCommand(ID_EDIT_UNDO));
}

TEST_F(DesignerDeleteTest, UndoDeletionReturnsToTheSelectionTool)
{
    auto hook = Answering(ui::IDOK);
    a->Select(&view);
    view.DeleteSelection(true);
    view.SetTool(kTypeEllipse);
    view.UndoDeletion();
    EXPECT_EQ(view.GetTool(), kSelectionTool);
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {a});
}

TEST_F(DesignerDeleteTest, DrawingANewObjectForgetsThePendingDeletion)
{
    auto hook = Answering(ui::IDOK);
    a->Select(&view);
    view.DeleteSelection(true);
    ASSERT_TRUE(view.ExecuteCommand(32772));
    Drag({At(7200, 7200), At(8640, 8640)});
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
}

} // namespace

namespace {

TEST_F(DesignerDeleteTest, PagesAddedOrRemovedForgetThePendingDeletion)
{
    const std::function<void(FDOCUMENT&)> edits[]
        = {[](FDOCUMENT& form) { form.InsertPage(1); }, [](FDOCUMENT& form) { form.AppendPage(); },
            [](FDOCUMENT& form) {
                form.AppendPage();
                form.DeletePage(2);
            }};
    for (const auto& edit : edits) {
        Add(kTypeBox, {7200, 7200, 8640, 8640})->Select(&view);
        view.DeleteSelection(false);
        ASSERT_TRUE(view.GetEditor()->CanUndoDeletion());
        edit(*doc);
        EXPECT_FALSE(view.GetEditor()->CanUndoDeletion());
    }
}

} // namespace

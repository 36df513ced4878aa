// New text objects in a running program: the text tool's objects turn as
// the rotation box last set them, reduced into one turn, and the Style
// Manager's New makes a text style.
#include "tests/app/support/started_designer.h"

#include "forms/app/frames/format_boxes.h"
#include "forms/app/frames/text_toolbar.h"
#include "forms/app/views/design/design_styles.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/dialogs/styles/style_manager_dlg.h"
#include "forms/document/fdocument.h"
#include "forms/model/formobj.h"
#include "tests/platform/ui/dialog_input.h"

#include "platform/ui/app.h"
#include "platform/ui/dialog/dialog.h"
#include "platform/ui/dialog/dialog_hook.h"
#include "platform/ui/dialog/notifications.h"

#include <QLineEdit>

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr unsigned kTextTool = 32774;

using DesignerNewTextTest = StartedDesignerTest;

TEST_F(DesignerNewTextTest, TheTextToolsObjectsTakeTheRotationBoxsAngleWithinOneTurn)
{
    Send(kTextTool);
    ui::App::Current()->Idle();
    ZOOMCOMBO& rotation = *main->GetTextToolBar()->GetRotationCombo();
    ASSERT_TRUE(rotation.isEnabled());
    std::unique_ptr<FORMOBJ> upright = view->NewObjectOfType(kTypeText);
    ASSERT_NE(upright, nullptr);
    EXPECT_EQ(upright->GetRotation(), 0);

    const std::pair<const char*, uint16_t> cases[] = {{"90", 900}, {"370", 100}, {"-45", 3150}, {"0", 0}};
    for (const auto& [typed, angle] : cases) {
        SCOPED_TRACE(typed);
        rotation.lineEdit()->setText(QString::fromLatin1(typed));
        Send(ID_ROTATION_BOX);
        std::unique_ptr<FORMOBJ> text = view->NewObjectOfType(kTypeText);
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(text->GetRotation(), angle);
    }
    EXPECT_FALSE(doc->IsModified()) << "the angle for new text changes no object";
}

TEST_F(DesignerNewTextTest, NewStyleOfTheTextKindIsListed)
{
    std::deque<std::function<void(ui::Dialog&)>> steps;
    std::vector<std::string> listed;
    steps.push_back([&](ui::Dialog& manager) {
        SendClick(manager.GetDlgItem(1225));
        for (int i = 0; i < manager.GetCount(1233); ++i)
            listed.push_back(manager.GetItemText(1233, i));
        SendClick(manager.GetDlgItem(1234));
    });
    steps.push_back([](ui::Dialog& chooser) {
        chooser.GetDlgItem(1229)->setFocus();
        TypeText("Body", chooser.GetDlgItem(1229));
        const int text = chooser.FindStringExact(1235, "TEXT: ");
        ASSERT_GE(text, 0);
        chooser.SetCurSel(1235, text);
        chooser.SendCommand(1235, ui::LBN_SELCHANGE);
        SendClick(chooser.GetDlgItem(1228));
    });
    steps.push_back([](ui::Dialog& sheet) { SendClick(sheet.GetDlgItem(1)); });
    ui::ScopedDialogHook hook([&](ui::Dialog& dialog) {
        ASSERT_FALSE(steps.empty()) << "an unexpected dialog " << dialog.GetId();
        auto step = std::move(steps.front());
        steps.pop_front();
        step(dialog);
    });
    STYLE_MANAGER_DLG manager(view->Styles(), view->GetWindow());
    manager.DoModal();
    EXPECT_TRUE(steps.empty());
    EXPECT_EQ(listed, (std::vector<std::string> {"TEXT: Body"}));
    EXPECT_NE(doc->FindObjectByName(kTypeText, "Body"), nullptr);
}

} // namespace

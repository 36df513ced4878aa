// Drawing with the design view's tools: each built kind is dragged out on
// the grid with its tool, a click without a drag goes back to the
// selection tool, and tools of kinds not built are refused.
#include "tests/app/support/designer_window.h"

#include "forms/editor/form_editor.h"
#include "forms/model/formobj.h"
#include "forms/objects/fselection.h"

#include "platform/ui/cmd_ui.h"
#include "platform/ui/message_box.h"

#include <gtest/gtest.h>

namespace {

struct ToolCase {
    unsigned command;
    uint8_t type;
    // Dragged from and to (page twips); the grid is 72 twips.
    POINT from, to;
    RECT expected;
};

class DrawingTool
    : public DesignerTest
    , public testing::WithParamInterface<ToolCase> {};

TEST_P(DrawingTool, DragsOutOneObjectOnTheGridAndStaysCurrent)
{
    const ToolCase& c = GetParam();
    ASSERT_TRUE(view.ExecuteCommand(c.command));
    EXPECT_EQ(view.GetTool(), c.type);
    ui::CmdUI cmdUI(c.command);
    cmdUI.DoUpdate(view, true);
    EXPECT_EQ(cmdUI.Check(), 1);

    const POINT from = At(c.from);
    const POINT to = At(c.to);
    Drag({from, {(from.x + to.x) / 2, (from.y + to.y) / 2}, to});

    const std::vector<FORMOBJ*> objects = Objects();
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(objects[0]->GetType(), c.type);
    EXPECT_EQ(objects[0]->GetPage(), 1);
    EXPECT_EQ(RectOf(objects[0]), c.expected);
    EXPECT_EQ(view.GetTool(), c.type);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(view.GetEditor()->CanUndoDeletion());
}

INSTANTIATE_TEST_SUITE_P(Designer, DrawingTool,
    testing::Values(ToolCase {32772, kTypeBox, {1440, 1440}, {2900, 2200}, {1440, 1440, 2880, 2232}},
        ToolCase {32777, kTypeEllipse, {3000, 1500}, {1500, 3000}, {1512, 1512, 3024, 3024}},
        ToolCase {32771, kTypeLine, {1440, 1440}, {4320, 2880}, {1440, 1440, 4320, 2880}},
        ToolCase {32776, kTypeOrthLine, {1440, 1440}, {4320, 1500}, {1440, 1440, 4320, 1440}}),
    [](const testing::TestParamInfo<ToolCase>& info) { return std::to_string(info.param.type); });

TEST_F(DesignerTest, ClickWithoutDragSelectsTheObjectThereAndReturnsToTheSelectionTool)
{
    FORMOBJ* box = Add(kTypeBox, {1440, 1440, 2880, 2880});
    ASSERT_TRUE(view.ExecuteCommand(32777));
    Click(At(2000, 2000));
    EXPECT_EQ(Objects().size(), 1u);
    EXPECT_EQ(view.GetTool(), kSelectionTool);
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {box});
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerTest, EscapeWhileDrawingLeavesNoObject)
{
    ASSERT_TRUE(view.ExecuteCommand(32772));
    const POINT from = At(1440, 1440);
    PostMove(At(2880, 2880));
    PostKey(Qt::Key_Escape);
    PostRelease(At(2880, 2880));
    Press(from);
    EXPECT_TRUE(Objects().empty());
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerTest, ObjectStartedOutsideTheMarginsIsRefusedAndTheToolStays)
{
    ASSERT_TRUE(view.ExecuteCommand(32772));
    Drag({At(300, 300), At(1000, 1000), At(2000, 2000)});
    EXPECT_TRUE(Objects().empty());
    EXPECT_EQ(view.GetTool(), kTypeBox);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DesignerTest, ChoosingADrawingToolDeselectsEverything)
{
    FORMOBJ* box = Add(kTypeBox, {1440, 1440, 2880, 2880});
    box->Select(&view);
    ASSERT_TRUE(view.ExecuteCommand(32776));
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(view.GetSelection()->GetCount(), 0);
}

TEST_F(DesignerTest, ToolsOfKindsNotBuiltAreDisabledAndRefused)
{
    std::vector<std::string> shown;
    ui::ScopedMessageBoxHook hook([&](const ui::MessageBoxRequest& request) {
        shown.push_back(request.text);
        return ui::IDOK;
    });
    for (const ToolCommand& tool : kToolCommands) {
        EXPECT_EQ(Enabled(tool.id), tool.built) << tool.id;
        if (tool.built)
            continue;
        shown.clear();
        view.OnCmdMsg(tool.id, ui::CmdCode::Command, nullptr);
        EXPECT_EQ(shown, std::vector<std::string> {"Object not yet implemented."}) << tool.id;
        EXPECT_EQ(view.GetTool(), kSelectionTool);
    }
}

TEST_F(DesignerTest, TheRadioButtonToolIsEnabledCheckedWithItsCodeAndMakesNothing)
{
    constexpr unsigned kRadioTool = 32802;
    auto check = [&] {
        ui::CmdUI cmdUI(kRadioTool);
        cmdUI.DoUpdate(view, true);
        EXPECT_TRUE(cmdUI.IsEnabled());
        return cmdUI.Check();
    };
    EXPECT_EQ(check(), 0);
    // The command does nothing: no message, and the tool stays.
    std::vector<std::string> shown;
    ui::ScopedMessageBoxHook hook([&](const ui::MessageBoxRequest& request) {
        shown.push_back(request.text);
        return ui::IDOK;
    });
    view.OnCmdMsg(kRadioTool, ui::CmdCode::Command, nullptr);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(view.GetTool(), kSelectionTool);

    // Its code as the tool checks it; a press then makes no object.
    view.SetTool(12);
    EXPECT_EQ(check(), 1);
    const size_t before = Objects().size();
    Drag({At(1440, 1440), At(2000, 1800), At(2880, 2160)});
    EXPECT_EQ(Objects().size(), before);
    EXPECT_EQ(shown, std::vector<std::string> {"Object not yet implemented."});
}

} // namespace

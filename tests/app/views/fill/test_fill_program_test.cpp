// A test fill in the running program: while the form is filled the file
// commands are off and the drawing bar with them, a pane split off waits as
// a disabled design view, and whatever writes the form writes the values it
// was designed with, never the ones typed in to test it.
#include "tests/app/support/file_commands_support.h"

#include "forms/app/frames/child_frame.h"
#include "forms/app/frames/factory_toolbar.h"
#include "forms/app/program/recent_file_menu.h"
#include "forms/app/template/dyn_view_doc_template.h"
#include "forms/app/views/design/fdesignview.h"
#include "forms/app/views/fill/ffillview.h"
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/objects/ffield.h"

#include "platform/ui/app.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/command_bar.h"
#include "platform/ui/splitter.h"
#include "platform/ui/view_host.h"

#include <QAction>
#include <QWidget>

namespace {

constexpr unsigned ID_VIEW_FILL = ID_VIEW_DESIGN + kFillView;

class TestFillProgramTest : public FileCommandsTest {
protected:
    void SetUp() override
    {
        FileCommandsTest::SetUp();
        frame = dynamic_cast<CChildFrame*>(app->GetMainFrame()->GetActiveChild());
        ASSERT_NE(frame, nullptr);
        doc = ActiveForm();
        price = &AddNumberField("Price", 40);
    }

    // A number field on page 1 holding the value, last in filling order.
    FFIELD& AddNumberField(const std::string& name, double value)
    {
        auto* design = dynamic_cast<FDESIGNVIEW*>(frame->GetActiveView());
        std::unique_ptr<FORMOBJ> made = design->NewObjectOfType(kTypeField);
        auto* field = static_cast<FFIELD*>(made.get());
        field->SetRect(1440, 1440, 4320, 1800);
        field->SetDataType(*CreateDataType(kKindNumber), nullptr);
        field->SetName(name);
        field->SetFieldID(doc->GetNextFieldID());
        SetNumber(*field, value);
        doc->GetObjects().SetObjectPage(std::move(made), 1);
        doc->InsertFieldInOrder(field, false);
        return *field;
    }
    static void SetNumber(FFIELD& field, double value)
    {
        OPERAND operand {};
        operand.nType = kOperandNumber;
        operand.dNumber = value;
        field.GetDataType()->SetFromOperand(operand);
    }
    // The number the field holds; -1 when it holds none.
    static double Number(FFIELD& field)
    {
        OPERAND operand {};
        field.GetDataType()->GetOperand(operand);
        return operand.nType == kOperandNumber ? operand.dNumber : -1;
    }
    static double NumberInFile(const std::string& path, const std::string& name)
    {
        FDOCUMENT reopened;
        EXPECT_TRUE(reopened.OnOpenDocument(path));
        auto* field = dynamic_cast<FFIELD*>(reopened.FindObjectOfTypeByName(kTypeField, name));
        EXPECT_NE(field, nullptr) << name;
        return field ? Number(*field) : -2;
    }

    bool Enabled(unsigned id)
    {
        ui::CmdUI cmdUI(id);
        cmdUI.DoUpdate(*app->GetMainFrame(), true);
        return cmdUI.IsEnabled();
    }
    int FillViewsOfForm() const
    {
        int count = 0;
        for (ui::View* view : doc->Views())
            count += dynamic_cast<FFILLVIEW*>(view) ? 1 : 0;
        return count;
    }
    // Saves the form under the name, so that it has a file.
    void SaveAs(const std::string& name)
    {
        AnswerDialogs({PathOf(name)});
        ASSERT_TRUE(Send(ID_FILE_SAVE_AS));
        ASSERT_EQ(doc->GetPathName(), PathOf(name));
    }
    void StartTestFill()
    {
        ASSERT_TRUE(Send(ID_VIEW_FILL));
        ASSERT_NE(dynamic_cast<FFILLVIEW*>(frame->GetActiveView()), nullptr);
        // Filling starts from the field's initial value, not the value the
        // form holds.
        ASSERT_NE(Number(*price), 40);
    }

    CChildFrame* frame = nullptr;
    FDOCUMENT* doc = nullptr;
    FFIELD* price = nullptr;
};

TEST_F(TestFillProgramTest, TheFileCommandsWorkOnlyInTheDesignView)
{
    const unsigned designOnly[]
        = {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_CLOSE, ID_FILE_NEW, ID_FILE_OPEN, ID_APP_EXIT};
    EXPECT_EQ(doc->GetViewMode(), kViewModeDesign);
    for (unsigned id : designOnly)
        EXPECT_TRUE(Enabled(id)) << id;

    StartTestFill();
    EXPECT_EQ(doc->GetViewMode(), kViewModeFill);
    for (unsigned id : designOnly)
        EXPECT_FALSE(Enabled(id)) << id;
    // Save does nothing: no dialog, nothing written.
    EXPECT_FALSE(Send(ID_FILE_SAVE));
    EXPECT_TRUE(dialogs.empty());

    ASSERT_TRUE(Send(ID_VIEW_DESIGN));
    EXPECT_EQ(doc->GetViewMode(), kViewModeDesign);
    for (unsigned id : designOnly)
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_EQ(Number(*price), 40);
}

TEST_F(TestFillProgramTest, TheDrawingBarIsOffInTheFillView)
{
    FACTORYTOOLBAR* bar = dynamic_cast<FFRAME*>(app->GetMainFrame())->GetFactoryToolBar();
    ASSERT_NE(bar, nullptr);
    const unsigned selectionTool = 32778;
    const unsigned boxTool = 32772;
    ui::App::Current()->Idle();
    EXPECT_TRUE(Enabled(selectionTool));
    EXPECT_TRUE(Enabled(boxTool));

    StartTestFill();
    ui::App::Current()->Idle();
    int buttons = 0;
    for (QAction* action : bar->actions()) {
        const unsigned id = ui::CommandBar::CommandId(*action);
        if (id == 0)
            continue;
        ++buttons;
        EXPECT_FALSE(action->isEnabled()) << id;
    }
    EXPECT_GT(buttons, 0);
    EXPECT_FALSE(Enabled(selectionTool));
    EXPECT_FALSE(Enabled(boxTool));
    ASSERT_TRUE(Send(ID_VIEW_DESIGN));
}

TEST_F(TestFillProgramTest, APaneSplitOffWhileFillingIsADisabledDesignViewUntilTheFillEnds)
{
    StartTestFill();
    ui::Splitter* splitter = frame->GetSplitter();
    ASSERT_TRUE(splitter->SplitRow(120));
    RunEventsFor(20);
    ASSERT_EQ(splitter->GetRowCount(), 2);
    int fills = 0;
    for (int row = 0; row < 2; ++row) {
        ui::View* pane = splitter->GetPane(row, 0);
        if (dynamic_cast<FFILLVIEW*>(pane)) {
            ++fills;
            continue;
        }
        EXPECT_NE(dynamic_cast<FDESIGNVIEW*>(pane), nullptr) << row;
        EXPECT_FALSE(splitter->GetPaneWindow(row, 0)->isEnabled()) << row;
    }
    EXPECT_EQ(fills, 1);
    EXPECT_EQ(doc->GetViewMode(), kViewModeFill);
    EXPECT_FALSE(Enabled(ID_FILE_SAVE));

    ASSERT_TRUE(Send(ID_VIEW_DESIGN));
    EXPECT_EQ(FillViewsOfForm(), 0);
    for (int row = 0; row < 2; ++row)
        EXPECT_TRUE(splitter->GetPaneWindow(row, 0)->isEnabled()) << row;
    EXPECT_TRUE(Enabled(ID_FILE_SAVE));
    EXPECT_EQ(Number(*price), 40);
}

TEST_F(TestFillProgramTest, SavingChangesWhileFillingEndsTheFillAndWritesTheDesignedValues)
{
    SaveAs("order.qwm");
    AddBox(*doc, "Changed");
    StartTestFill();
    SetNumber(*price, 5);

    AnswerBoxes({ui::IDYES});
    ASSERT_TRUE(doc->SaveModified());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(FillViewsOfForm(), 0);
    EXPECT_EQ(Number(*price), 40);
    EXPECT_EQ(NumberInFile(PathOf("order.qwm"), "Price"), 40);
}

TEST_F(TestFillProgramTest, ClosingTheWindowWhileFillingAsksNothingAboutTheValuesTyped)
{
    SaveAs("order.qwm");
    StartTestFill();
    SetNumber(*price, 5);
    // No question: the values typed in are the test's, not the form's.
    ASSERT_TRUE(frame->OnClose());
    EXPECT_EQ(OpenDocumentCount(), 0u);
    EXPECT_EQ(NumberInFile(PathOf("order.qwm"), "Price"), 40);
}

} // namespace

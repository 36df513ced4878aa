#include "tests/app/support/started_app.h"

#include "forms/app/frames/child_frame.h"

#include "platform/ui/action_cmd_ui.h"
#include "platform/ui/cmd_ui.h"
#include "platform/ui/splitter.h"
#include "platform/ui/view_host.h"

#include <QMainWindow>
#include <QToolBar>

#include <filesystem>

namespace {

class TemplateTest : public StartedAppTest {
protected:
    void SetUp() override
    {
        StartedAppTest::SetUp();
        app = StartApp();
        docTemplate = app->GetDocTemplate();
        frame = dynamic_cast<CChildFrame*>(app->GetMainFrame()->GetActiveChild());
        ASSERT_NE(frame, nullptr);
        ViewLog().clear();
    }
    void TearDown() override { CloseApp(*app); }

    ui::View* Active() const { return frame->GetActiveView(); }
    std::string ActiveName() const { return static_cast<TestView*>(Active())->Name(); }

    // The state the update handlers give the command.
    ui::CmdUI Update(unsigned id) const
    {
        ui::CmdUI cmdUI(id);
        cmdUI.DoUpdate(*app->GetMainFrame(), true);
        return cmdUI;
    }

    std::unique_ptr<FORMSAPP> app;
    CDynViewDocTemplate* docTemplate = nullptr;
    CChildFrame* frame = nullptr;
};

TEST_F(TemplateTest, NewFormOpensInTheDesignViewOfTheFirstEntry)
{
    ASSERT_EQ(docTemplate->Documents().size(), 1u);
    EXPECT_EQ(docTemplate->Documents()[0]->GetTitle(), "Form1");
    EXPECT_EQ(ActiveName(), "design");
    EXPECT_EQ(Active()->GetDocument(), docTemplate->Documents()[0]);
}

TEST_F(TemplateTest, SwitchKeepsWindowSplitterDocumentAndBars)
{
    ui::Splitter* splitter = frame->GetSplitter();
    ASSERT_TRUE(splitter->SplitRow(120));
    RunEventsFor(10);
    ui::ViewHost* window = splitter->GetPaneWindow(0, 0);
    ui::View* old = Active();
    ui::Document* doc = old->GetDocument();
    const int rowHeight = splitter->GetRowHeight(0);
    QToolBar* stdBar = app->GetMainFrame()->GetStdToolBar();
    const bool stdBarShown = stdBar->isVisible();
    ViewLog().clear();

    ASSERT_TRUE(app->SendCommand(*app->GetMainFrame(), ID_VIEW_DESIGN + kFillView));

    EXPECT_EQ(ActiveName(), "fill");
    EXPECT_EQ(Active()->GetWindow(), window);
    EXPECT_EQ(window->CurrentView(), Active());
    EXPECT_EQ(frame->GetSplitter(), splitter);
    EXPECT_EQ(splitter->GetRowCount(), 2);
    EXPECT_EQ(splitter->GetRowHeight(0), rowHeight);
    EXPECT_EQ(Active()->GetDocument(), doc);
    EXPECT_EQ(docTemplate->Documents().size(), 1u);
    EXPECT_EQ(app->GetMainFrame()->GetStdToolBar(), stdBar);
    EXPECT_EQ(stdBar->isVisible(), stdBarShown);
    // The lower pane keeps its own design view; the old active one is gone.
    EXPECT_EQ(std::count(doc->Views().begin(), doc->Views().end(), old), 0);
    EXPECT_EQ(doc->Views().size(), 2u);
    const std::vector<std::string> expected
        = {"design out to fill", "fill in from design", "design deleted", "fill initial update"};
    EXPECT_EQ(ViewLog(), expected);
}

TEST_F(TemplateTest, SwitchingToTheActiveClassOrItsBaseChangesNothing)
{
    ui::View* before = Active();
    EXPECT_EQ(docTemplate->SwitchView(*frame, kDesignView, true), before);
    EXPECT_EQ(Active(), before);
    EXPECT_TRUE(ViewLog().empty());

    // A view derived from the indexed class counts as of that class.
    ViewTable table = TestViewTable();
    table[kDesignView].viewClass = ViewClassOf<DerivedDesignTestView>("derived");
    EXPECT_TRUE(table[kDesignView].viewClass->isKindOf(DerivedDesignTestView()));
    EXPECT_FALSE(table[kDesignView].viewClass->isKindOf(FillTestView()));
    EXPECT_TRUE(ViewClassOf<DesignTestView>("design").isKindOf(DerivedDesignTestView()));
}

TEST_F(TemplateTest, ViewCommandsCheckTheActiveClassAndAreOffForClassesNotBuilt)
{
    struct Expect {
        unsigned id;
        bool enabled;
        int check;
    };
    const std::vector<std::pair<int, std::vector<Expect>>> cases = {
        // Shown in design: every command of a built class is on.
        {kDesignView,
            {{32809, true, 1}, {32810, true, 0}, {32811, true, 0}, {32812, false, 0}, {32813, false, 0},
                {32814, false, 0}}},
        // Shown in fill: filling order and fill are off until back in design.
        {kFillView,
            {{32809, true, 0}, {32810, false, 0}, {32811, false, 1}, {32812, false, 0}, {32813, false, 0},
                {32814, false, 0}}},
    };
    for (const auto& [index, expects] : cases) {
        ASSERT_NE(docTemplate->SwitchView(*frame, index, true), nullptr);
        for (const Expect& e : expects) {
            ui::CmdUI cmdUI = Update(e.id);
            EXPECT_EQ(cmdUI.IsEnabled(), e.enabled) << "view " << index << " command " << e.id;
            EXPECT_EQ(cmdUI.Check(), e.check) << "view " << index << " command " << e.id;
        }
    }
    // A command whose class is not built neither runs nor switches.
    ui::View* before = Active();
    EXPECT_FALSE(app->SendCommand(*app->GetMainFrame(), ID_VIEW_DESIGN + kMathView));
    EXPECT_EQ(docTemplate->SwitchView(*frame, kMathView, true), nullptr);
    EXPECT_EQ(Active(), before);
}

TEST_F(TemplateTest, FormOpensInTheViewItWasLastShownIn)
{
    AppClasses classes {TestDocumentClass(), TestViewTable()};
    classes.document->viewIndex = [](const ui::Document&) { return kFillView; };
    CloseApp(*app);
    app.reset();
    app = StartApp({"saved.qwm"}, classes);
    auto* child = app->GetMainFrame()->GetActiveChild();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(static_cast<TestView*>(child->GetActiveView())->Name(), "fill");
    // The form named on the command line is opened by its full path.
    EXPECT_EQ(static_cast<TestDocument*>(child->GetActiveDocument())->openedPath,
        (std::filesystem::current_path() / "saved.qwm").string());
}

TEST_F(TemplateTest, DeactivatingAFrameSendsItsFormBackToDesign)
{
    ASSERT_NE(docTemplate->SwitchView(*frame, kFillView, true), nullptr);
    ui::Document* first = Active()->GetDocument();
    ASSERT_TRUE(app->SendCommand(*app, ID_FILE_NEW));
    ASSERT_EQ(docTemplate->Documents().size(), 2u);
    EXPECT_NE(app->GetMainFrame()->GetActiveChild(), frame);
    EXPECT_EQ(ActiveName(), "design");
    EXPECT_FALSE(docTemplate->HasViewOfIndex(*first, kFillView));
    EXPECT_NE(std::find(ViewLog().begin(), ViewLog().end(), "fill frame deactivated"), ViewLog().end());
}

TEST_F(TemplateTest, ClosingAFrameWhileFillingGoesBackToDesignFirst)
{
    ASSERT_NE(docTemplate->SwitchView(*frame, kFillView, true), nullptr);
    ViewLog().clear();
    ASSERT_TRUE(frame->OnClose());
    ASSERT_GE(ViewLog().size(), 2u);
    EXPECT_EQ(ViewLog()[0], "fill out to design");
    EXPECT_EQ(ViewLog()[1], "design in from fill");
    EXPECT_TRUE(docTemplate->Documents().empty());
}

TEST_F(TemplateTest, ClosingTheMainWindowWhileFillingGoesBackToDesignFirst)
{
    ASSERT_NE(docTemplate->SwitchView(*frame, kFillView, true), nullptr);
    ViewLog().clear();
    ASSERT_TRUE(app->GetMainFrame()->OnClose());
    ASSERT_GE(ViewLog().size(), 2u);
    EXPECT_EQ(ViewLog()[0], "fill out to design");
    EXPECT_EQ(ViewLog()[1], "design in from fill");
    EXPECT_TRUE(app->GetMainFrame()->GetChildren().empty());
}

TEST_F(TemplateTest, DocStringsFollowTemplateMode)
{
    const std::vector<std::tuple<bool, int, std::string>> cases = {
        {false, CDynViewDocTemplate::windowTitle, ""},
        {false, CDynViewDocTemplate::docName, "Form"},
        {false, CDynViewDocTemplate::filterName, "Form (*.qwm)"},
        {false, CDynViewDocTemplate::filterExt, ".qwm"},
        {false, CDynViewDocTemplate::regFileTypeId, "QuirewellDesign.Document"},
        {false, CDynViewDocTemplate::regFileTypeName, "Quirewell Document"},
        {true, CDynViewDocTemplate::filterName, "Template (*.qwl)"},
        {true, CDynViewDocTemplate::filterExt, ".qwl"},
        {true, CDynViewDocTemplate::docName, "Form"},
    };
    for (const auto& [mode, index, expected] : cases) {
        docTemplate->SetTemplateMode(mode);
        std::string text = "unchanged";
        EXPECT_TRUE(docTemplate->GetDocString(text, index));
        EXPECT_EQ(text, expected) << mode << " " << index;
    }
    std::string text = "unchanged";
    EXPECT_FALSE(docTemplate->GetDocString(text, 7));
    EXPECT_FALSE(docTemplate->GetDocString(text, -1));
    EXPECT_EQ(text, "unchanged");
}

TEST_F(TemplateTest, SplittingAPaneGivesAViewOfTheFirstClassAsANewFrameDoes)
{
    // Whatever the split pane shows, another kind of view would outlive the
    // one the user switches back.
    for (int index : {kFillingOrderView, kFillView}) {
        ASSERT_NE(docTemplate->SwitchView(*frame, index, true), nullptr) << index;
        ASSERT_TRUE(frame->GetSplitter()->SplitColumn(100)) << index;
        auto* added = dynamic_cast<TestView*>(frame->GetSplitter()->GetPane(0, 1));
        ASSERT_NE(added, nullptr) << index;
        EXPECT_EQ(added->Name(), "design") << index;
        EXPECT_EQ(added->GetDocument(), Active()->GetDocument()) << index;
        frame->GetSplitter()->DeleteColumn(1);
    }
}

} // namespace

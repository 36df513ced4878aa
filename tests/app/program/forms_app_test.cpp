#include "tests/app/support/started_app.h"

#include "platform/gdi/printer_surface.h"
#include "platform/settings/profile.h"
#include "platform/ui/bar_state.h"
#include "platform/ui/status_bar.h"

#include <QDir>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QProcess>
#include <QScreen>
#include <QToolBar>

#include <filesystem>
#include <tuple>
#include <vector>

namespace {

using AppStartTest = StartedAppTest;

TEST_F(AppStartTest, FirstStartShowsFrameBarsStatusBarAndOneNewForm)
{
    auto app = StartApp();
    QMainWindow& window = *app->GetMainFrame()->GetWindow();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.windowTitle(), "Quirewell - Form1");
    // 90 % of the offscreen desktop, at its top-left corner.
    const QSize desktop = window.screen()->geometry().size();
    EXPECT_EQ(window.size(), QSize(desktop.width() * 9 / 10, desktop.height() * 9 / 10));
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(window.minimumSize(), desktop / 2);
    EXPECT_EQ(window.maximumSize(), desktop);

    FFRAME& frame = *app->GetMainFrame();
    const std::vector<std::pair<QToolBar*, Qt::ToolBarArea>> bars = {
        {frame.GetStdToolBar(), Qt::TopToolBarArea},
        {frame.GetFactoryToolBar(), Qt::LeftToolBarArea},
        {frame.GetTextToolBar(), Qt::TopToolBarArea},
    };
    for (const auto& [bar, area] : bars) {
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(bar->isVisible()) << bar->objectName().toStdString();
        EXPECT_EQ(window.toolBarArea(bar), area) << bar->objectName().toStdString();
    }
    EXPECT_EQ(frame.GetStdToolBar()->actions().size(), 30);
    EXPECT_EQ(frame.GetFactoryToolBar()->actions().size(), 17);
    EXPECT_EQ(frame.GetTextToolBar()->actions().size(), 20);

    ui::StatusBar* status = frame.GetStatusBar();
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(window.statusBar(), status);
    // The widths are minimums: each pane shows its widest text whole.
    const std::vector<std::tuple<unsigned, int, QString>> panes {{32836, 125, "Pos (x,y) : ( -88.88 , -88.88 )"},
        {32840, 125, "Size (w,h) : ( 88.88 x 88.88 )"}, {32834, 75, " 888 of 888"}};
    for (const auto& [id, width, widest] : panes) {
        ASSERT_NE(status->GetPane(id), nullptr) << id;
        EXPECT_GE(status->GetPane(id)->width(), width) << id;
        EXPECT_GE(
            status->GetPane(id)->contentsRect().width(), status->GetPane(id)->fontMetrics().horizontalAdvance(widest))
            << id;
    }
    frame.SetPosText("Pos (x,y) : 1.00,2.00");
    EXPECT_EQ(status->GetPaneText(32836), "Pos (x,y) : 1.00,2.00");
    EXPECT_FALSE(window.menuBar()->actions().isEmpty());

    ASSERT_EQ(app->GetDocTemplate()->Documents().size(), 1u);
    EXPECT_EQ(frame.GetActiveChild()->GetActiveDocument(), app->GetDocTemplate()->Documents()[0]);
    EXPECT_TRUE(frame.GetActiveChild()->IsZoomed());
    EXPECT_EQ(app->GetHelpFilePath().filename(), "MANUAL.HLP");
    CloseApp(*app);
}

TEST_F(AppStartTest, PlacementAndFloatedBarComeBackAtTheNextStart)
{
    auto first = StartApp();
    FFRAME& frame = *first->GetMainFrame();
    QMainWindow& window = *frame.GetWindow();
    window.setGeometry(40, 30, 700, 500);
    ui::FloatBar(window, *frame.GetFactoryToolBar(), QPoint(500, 300));
    frame.GetTextToolBar()->hide();
    RunEventsFor(10);
    CloseApp(*first);
    first.reset();

    auto second = StartApp();
    FFRAME& again = *second->GetMainFrame();
    EXPECT_EQ(again.GetWindow()->geometry(), QRect(40, 30, 700, 500));
    QToolBar& design = *again.GetFactoryToolBar();
    EXPECT_TRUE(ui::IsFloating(design));
    EXPECT_EQ(design.geometry().topLeft(), QPoint(500, 300));
    EXPECT_FALSE(again.GetTextToolBar()->isVisible());
    EXPECT_TRUE(again.GetStdToolBar()->isVisible());
    CloseApp(*second);
}

TEST_F(AppStartTest, MaximisedAndMinimisedBothSetStartsMaximised)
{
    {
        settings::Profile profile("forms");
        profile.SetRegistryKey("Hollarby");
        ASSERT_TRUE(profile.WriteInt("UserSettings", "AppMaximized", 1));
        ASSERT_TRUE(profile.WriteInt("UserSettings", "AppMinimized", 1));
    }
    auto app = StartApp();
    EXPECT_TRUE(app->GetMainFrame()->IsZoomed());
    EXPECT_FALSE(app->GetMainFrame()->IsIconic());
    CloseApp(*app);
}

TEST_F(AppStartTest, TutorialTitlesTheWindowAndKeepsItsSettingsApart)
{
    auto tutorial = StartApp({"-TUTORIAL"});
    EXPECT_TRUE(tutorial->GetCommandLine().tutorial);
    EXPECT_EQ(tutorial->GetMainFrame()->GetWindow()->windowTitle(), "Quirewell Tutorial - Form1");
    const std::filesystem::path tutorialFile = tutorial->GetProfile().FilePath();
    EXPECT_EQ(tutorialFile.filename(), "qwtutor.ini");
    tutorial->GetMainFrame()->GetWindow()->setGeometry(10, 20, 600, 400);
    CloseApp(*tutorial);
    tutorial.reset();
    EXPECT_TRUE(std::filesystem::exists(tutorialFile));

    auto normal = StartApp();
    EXPECT_NE(normal->GetProfile().FilePath(), tutorialFile);
    EXPECT_NE(normal->GetMainFrame()->GetWindow()->geometry(), QRect(10, 20, 600, 400));
    EXPECT_EQ(normal->GetMainFrame()->GetWindow()->windowTitle(), "Quirewell - Form1");
    CloseApp(*normal);
}

TEST_F(AppStartTest, WithoutADocumentClassTheProgramStartsEmptyAndFileNewIsOff)
{
    auto app = StartApp({}, AppClasses {});
    EXPECT_TRUE(app->GetMainFrame()->GetWindow()->isVisible());
    EXPECT_TRUE(app->GetMainFrame()->GetChildren().empty());
    EXPECT_FALSE(app->SendCommand(*app->GetMainFrame(), ID_FILE_NEW));
    CloseApp(*app);
}

TEST_F(AppStartTest, PrintSwitchEndsTheProgramWhenTheFileOrPrintingFails)
{
    struct Case {
        std::vector<std::string> args;
        std::string printer, driver, port;
    };
    // The named file cannot be read, or none is named; or it can, and
    // nothing prints it yet. The printer words of "pt" name the printer.
    const Case cases[] = {
        {{"/p", "missing.qwm"}, gdi::DefaultPrinter(), "", ""},
        {{"/p"}, gdi::DefaultPrinter(), "", ""},
        {{"/PT", "form.qwm", "Office Laser", "laser", "lp0"}, "Office Laser", "laser", "lp0"},
    };
    for (const Case& c : cases) {
        FORMSAPP app(AppClasses {TestDocumentClass(), TestViewTable()});
        EXPECT_EQ(app.InitInstance(c.args), std::optional<int>(1)) << c.args.size();
        EXPECT_EQ(app.GetPrinterName(), c.printer);
        EXPECT_EQ(app.GetDriverName(), c.driver);
        EXPECT_EQ(app.GetPortName(), c.port);
        EXPECT_EQ(app.ExitInstance(1), 1);
    }
}

TEST_F(AppStartTest, EmbeddedStartsHiddenWithNoForm)
{
    auto app = StartApp({"/Embedding"});
    EXPECT_FALSE(app->GetMainFrame()->GetWindow()->isVisible());
    EXPECT_TRUE(app->GetMainFrame()->GetChildren().empty());
    CloseApp(*app);
}

TEST_F(AppStartTest, RegisterWritesDesktopEntryAndMimeTypesAndExits)
{
    TempFolderEnv data("XDG_DATA_HOME");
    QProcess program;
    program.setProgram(FORMS_PROGRAM);
    program.setArguments({"/Register"});
    program.start();
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
    EXPECT_TRUE(std::filesystem::exists(data.Folder() / "applications" / "forms.desktop"));
    EXPECT_TRUE(std::filesystem::exists(data.Folder() / "mime" / "packages" / "forms.xml"));
    // Registering writes no settings.
    EXPECT_FALSE(std::filesystem::exists(config.Folder() / "Hollarby"));
}

TEST_F(AppStartTest, ScreenshotOfTheMainFrame)
{
    auto app = StartApp();
    app->GetMainFrame()->SetPosText("Pos (x,y) : 1.00,2.00");
    RunEventsFor(50);
    app->Idle();
    QImage image = app->GetMainFrame()->GetWindow()->grab().toImage();
    ASSERT_FALSE(image.isNull());
    QDir().mkpath(FORMS_TEST_OUTPUT_DIR "/app");
    EXPECT_TRUE(image.save(FORMS_TEST_OUTPUT_DIR "/app/main_frame.png"));
    CloseApp(*app);
}

} // namespace

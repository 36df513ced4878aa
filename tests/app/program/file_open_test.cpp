// File Open and the recent files: a form file opens with its objects, a
// file already open is brought forward, a damaged file is reported and
// opens nothing, and the recent file list keeps the newest first and drops
// a file that can no longer be opened.
#include "tests/app/support/file_commands_support.h"

#include "forms/app/program/form_classes.h"

#include "platform/ui/command_bar.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>

#include <filesystem>

namespace {

namespace fs = std::filesystem;

TEST_F(FileCommandsTest, OpenShowsTheFormsObjects)
{
    const std::string path = WriteForm("shown.qwm", {"Name", "Address"});
    AnswerDialogs({path});
    ASSERT_TRUE(Send(ID_FILE_OPEN));

    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, ui::FileDialogKind::Open);
    EXPECT_EQ(dialogs[0].title, "Open");
    EXPECT_EQ(dialogs[0].defaultExtension, ".qwm");
    FDOCUMENT* doc = ActiveForm();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(doc->GetTitle(), "shown.qwm");
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(ObjectNames(*doc), (std::vector<std::string> {"Name", "Address"}));
    EXPECT_EQ(RecentFiles(), std::vector<std::string> {path});
    // The next dialog starts in the folder of the file just opened.
    EXPECT_EQ(app->GetDocumentHost()->GetFormLibraryFolder(), folder.path().toStdString());
}

TEST_F(FileCommandsTest, AFormNamedWithoutItsExtensionOpens)
{
    const std::string path = WriteForm("short.qwm", {"Box"});
    AnswerDialogs({PathOf("short")});
    ASSERT_TRUE(Send(ID_FILE_OPEN));
    ASSERT_NE(ActiveForm(), nullptr);
    EXPECT_EQ(ActiveForm()->GetPathName(), path);
}

TEST_F(FileCommandsTest, OpeningAFileAlreadyOpenBringsItForward)
{
    const std::string path = WriteForm("once.qwm", {"Box"});
    AnswerDialogs({path});
    ASSERT_TRUE(Send(ID_FILE_OPEN));
    FDOCUMENT* first = ActiveForm();
    ASSERT_TRUE(Send(ID_FILE_NEW));
    ASSERT_NE(ActiveForm(), first);
    const std::size_t count = OpenDocumentCount();

    AnswerDialogs({PathOf("./once.qwm")});
    ASSERT_TRUE(Send(ID_FILE_OPEN));
    EXPECT_EQ(OpenDocumentCount(), count);
    EXPECT_EQ(ActiveForm(), first);
}

TEST_F(FileCommandsTest, CancellingTheOpenDialogOpensNothing)
{
    const std::size_t count = OpenDocumentCount();
    AnswerDialogs({std::nullopt});
    ASSERT_TRUE(Send(ID_FILE_OPEN));
    EXPECT_EQ(OpenDocumentCount(), count);
    EXPECT_TRUE(RecentFiles().empty());
}

struct DamagedCase {
    const char* name;
    // The damaged file from a good form's bytes.
    std::string (*damage)(const std::string& good);
};

class OpenADamagedFile
    : public FileCommandsTest
    , public ::testing::WithParamInterface<DamagedCase> {};

TEST_P(OpenADamagedFile, TellsTheUserAndOpensNothing)
{
    const std::string good = FileBytes(WriteForm("good.qwm", {"Box", "Line"}));
    const std::string path = PathOf("damaged.qwm");
    const std::string damaged = GetParam().damage(good);
    WriteBytes(path, damaged);
    FDOCUMENT* before = ActiveForm();
    const std::size_t count = OpenDocumentCount();

    AnswerDialogs({path});
    AnswerBoxes({ui::IDOK});
    ASSERT_TRUE(Send(ID_FILE_OPEN));

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes[0].text.empty());
    EXPECT_EQ(OpenDocumentCount(), count);
    EXPECT_EQ(ActiveForm(), before);
    EXPECT_EQ(FileBytes(path), damaged);
    EXPECT_TRUE(RecentFiles().empty());
}

INSTANTIATE_TEST_SUITE_P(Damage, OpenADamagedFile,
    ::testing::Values(DamagedCase {"Text", [](const std::string&) { return std::string("not a form at all\n"); }},
        DamagedCase {"Empty", [](const std::string&) { return std::string(); }},
        DamagedCase {"CutShort", [](const std::string& good) { return good.substr(0, good.size() / 2); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommandsTest, AFormOpenedByARelativeNameIsListedOnceByItsFullPath)
{
    const std::string path = WriteForm("relative.qwm", {"Box"});
    const fs::path before = fs::current_path();
    fs::current_path(folder.path().toStdString());
    AnswerDialogs({std::string("relative.qwm")});
    const bool opened = Send(ID_FILE_OPEN);
    fs::current_path(before);
    ASSERT_TRUE(opened);
    ASSERT_NE(ActiveForm(), nullptr);
    EXPECT_EQ(ActiveForm()->GetPathName(), path) << "the form keeps where it came from, whatever the folder";
    AnswerBoxes({});
    ASSERT_TRUE(Send(ID_FILE_CLOSE));
    EXPECT_EQ(RecentFiles(), std::vector<std::string> {path});
}

TEST_F(FileCommandsTest, RecentFilesKeepTheNewestFirst)
{
    const std::string a = WriteForm("a.qwm", {"A"});
    const std::string b = WriteForm("b.qwm", {"B"});
    const std::string c = WriteForm("c.qwm", {"C"});
    AnswerDialogs({a, b, c});
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(Send(ID_FILE_OPEN));
    EXPECT_EQ(RecentFiles(), (std::vector<std::string> {c, b, a}));

    // The third entry is a: it comes forward without opening twice.
    const std::size_t count = OpenDocumentCount();
    ASSERT_TRUE(Send(ID_FILE_MRU_FILE1 + 2));
    EXPECT_EQ(OpenDocumentCount(), count);
    ASSERT_NE(ActiveForm(), nullptr);
    EXPECT_EQ(ActiveForm()->GetPathName(), a);
    EXPECT_EQ(RecentFiles(), (std::vector<std::string> {a, c, b}));
}

TEST_F(FileCommandsTest, ARecentFileThatIsGoneIsReportedAndDropped)
{
    const std::string kept = WriteForm("kept.qwm", {"Kept"});
    const std::string gone = WriteForm("gone.qwm", {"Gone"});
    AnswerDialogs({gone, kept});
    ASSERT_TRUE(Send(ID_FILE_OPEN));
    ASSERT_TRUE(Send(ID_FILE_CLOSE));
    ASSERT_TRUE(Send(ID_FILE_OPEN));
    ASSERT_EQ(RecentFiles(), (std::vector<std::string> {kept, gone}));
    fs::remove(gone);
    const std::size_t count = OpenDocumentCount();

    AnswerBoxes({ui::IDOK});
    ASSERT_TRUE(Send(ID_FILE_MRU_FILE1 + 1));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(gone), std::string::npos);
    EXPECT_EQ(OpenDocumentCount(), count);
    EXPECT_EQ(RecentFiles(), std::vector<std::string> {kept});
}

TEST_F(FileCommandsTest, RecentFilesOutlastTheProgram)
{
    const std::string a = WriteForm("a.qwm", {"A"});
    const std::string b = WriteForm("b.qwm", {"B"});
    AnswerDialogs({a, b});
    ASSERT_TRUE(Send(ID_FILE_OPEN));
    ASSERT_TRUE(Send(ID_FILE_OPEN));
    CloseApp(*app);
    app.reset();
    app = StartApp({}, FormAppClasses());
    EXPECT_EQ(RecentFiles(), (std::vector<std::string> {b, a}));
    ASSERT_TRUE(Send(ID_FILE_MRU_FILE1 + 1));
    ASSERT_NE(ActiveForm(), nullptr);
    EXPECT_EQ(ActiveForm()->GetPathName(), a);
}

} // namespace

namespace {

// The File menu's items by command id, in menu order.
std::vector<QAction*> MenuItemsOf(QMainWindow& window, unsigned first, unsigned last)
{
    std::vector<QAction*> items;
    for (QMenu* menu : window.findChildren<QMenu*>())
        for (QAction* action : menu->actions())
            if (const unsigned id = ui::CommandBar::CommandId(*action); id >= first && id <= last)
                items.push_back(action);
    return items;
}

TEST_F(FileCommandsTest, TheFileMenuShowsTheRecentFilesAndOpensThem)
{
    QMainWindow& window = *app->GetMainFrame()->GetWindow();
    const std::vector<QAction*> items = MenuItemsOf(window, ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE1 + 3);
    ASSERT_EQ(items.size(), 4u);
    for (QAction* item : items)
        EXPECT_FALSE(item->isVisible());

    const std::string a = WriteForm("a&b.qwm", {"A"});
    const std::string b = WriteForm("b.qwm", {"B"});
    AnswerDialogs({a, b});
    ASSERT_TRUE(Send(ID_FILE_OPEN));
    ASSERT_TRUE(Send(ID_FILE_OPEN));
    app->GetMainFrame()->UpdateRecentFileItems();
    const std::vector<bool> visible {true, true, false, false};
    for (std::size_t i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i]->isVisible(), visible[i]) << i;
    EXPECT_EQ(items[0]->text().toStdString(), "&1 " + b);
    EXPECT_EQ(items[1]->text().toStdString(), "&2 " + PathOf("a&&b.qwm"));

    ASSERT_TRUE(Send(ID_FILE_NEW));
    items[1]->trigger();
    RunEventsFor(20);
    ASSERT_NE(ActiveForm(), nullptr);
    EXPECT_EQ(ActiveForm()->GetPathName(), a);
}

} // namespace

namespace {

TEST_F(FileCommandsTest, InTutorialModeAnOpenedFormHasNoTitle)
{
    const std::string path = WriteForm("lesson.qwm", {"Box"});
    CloseApp(*app);
    app.reset();
    app = StartApp({"/Tutorial"}, FormAppClasses());
    AnswerDialogs({path});
    ASSERT_TRUE(Send(ID_FILE_OPEN));
    ASSERT_NE(ActiveForm(), nullptr);
    EXPECT_EQ(ActiveForm()->GetPathName(), path);
    EXPECT_EQ(ActiveForm()->GetTitle(), "");
}

} // namespace

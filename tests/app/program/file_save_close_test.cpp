// Save, Save As and Close from the File menu: a new form asks for its
// name, a file that exists is replaced only when the user says so, and a
// changed form asks before it closes.
#include "tests/app/support/file_commands_support.h"

#include "platform/ui/cmd_ui.h"

#include <filesystem>

namespace {

namespace fs = std::filesystem;

TEST_F(FileCommandsTest, NewFormAsksForANameAndComesBackFromItsFile)
{
    FDOCUMENT* doc = ActiveForm();
    const std::string untitled = doc->GetTitle();
    AddBox(*doc, "Total");
    AnswerDialogs({PathOf("order")});
    ASSERT_TRUE(Send(ID_FILE_SAVE));

    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].kind, ui::FileDialogKind::Save);
    EXPECT_EQ(dialogs[0].fileName, untitled + ".qwm");
    ASSERT_FALSE(dialogs[0].filters.empty());
    EXPECT_EQ(dialogs[0].filters.front().pattern, "*.qwm");
    EXPECT_EQ(dialogs[0].filters.back().pattern, "*.*");

    const std::string path = PathOf("order.qwm");
    ASSERT_TRUE(fs::exists(path));
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(doc->GetTitle(), "order.qwm");
    EXPECT_FALSE(doc->IsModified());
    ASSERT_FALSE(RecentFiles().empty());
    EXPECT_EQ(RecentFiles().front(), path);

    FDOCUMENT reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    EXPECT_EQ(ObjectNames(reopened), ObjectNames(*doc));
    EXPECT_EQ(ObjectNames(reopened), std::vector<std::string> {"Total"});
}

TEST_F(FileCommandsTest, SavingAgainWritesToTheSameFileWithoutAsking)
{
    FDOCUMENT* doc = ActiveForm();
    AddBox(*doc, "First");
    AnswerDialogs({PathOf("again.qwm")});
    ASSERT_TRUE(Send(ID_FILE_SAVE));
    AddBox(*doc, "Second");
    ASSERT_TRUE(Send(ID_FILE_SAVE));

    EXPECT_EQ(dialogs.size(), 1u);
    FDOCUMENT reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(PathOf("again.qwm")));
    EXPECT_EQ(ObjectNames(reopened), (std::vector<std::string> {"First", "Second"}));
}

TEST_F(FileCommandsTest, CancellingTheSaveDialogKeepsTheChanges)
{
    FDOCUMENT* doc = ActiveForm();
    AddBox(*doc, "Kept");
    AnswerDialogs({std::nullopt});
    ASSERT_TRUE(Send(ID_FILE_SAVE));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_TRUE(doc->GetPathName().empty());
    EXPECT_EQ(doc->GetTitle().front(), '*');
    EXPECT_TRUE(RecentFiles().empty());
}

struct ReplaceCase {
    const char* name;
    int answer;
    bool replaced;
};

class SaveAsOntoAFile
    : public FileCommandsTest
    , public ::testing::WithParamInterface<ReplaceCase> {};

TEST_P(SaveAsOntoAFile, AsksBeforeReplacingIt)
{
    const std::string path = WriteForm("existing.qwm", {"Old"});
    const std::string before = FileBytes(path);
    FDOCUMENT* doc = ActiveForm();
    AddBox(*doc, "New");
    AnswerDialogs({path});
    AnswerBoxes({GetParam().answer});
    ASSERT_TRUE(Send(ID_FILE_SAVE_AS));

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(path), std::string::npos);
    EXPECT_NE(boxes[0].text.find("This File Already Exists"), std::string::npos);
    EXPECT_EQ(boxes[0].flags & ui::MB_TYPEMASK, ui::MB_YESNO);

    FDOCUMENT reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path));
    if (GetParam().replaced) {
        EXPECT_EQ(ObjectNames(reopened), std::vector<std::string> {"New"});
        EXPECT_EQ(doc->GetPathName(), path);
        EXPECT_EQ(doc->GetTitle(), "existing.qwm");
    } else {
        EXPECT_EQ(FileBytes(path), before);
        EXPECT_TRUE(doc->GetPathName().empty());
        EXPECT_TRUE(doc->IsModified());
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, SaveAsOntoAFile,
    ::testing::Values(ReplaceCase {"No", ui::IDNO, false}, ReplaceCase {"Yes", ui::IDYES, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommandsTest, SaveAsGivesAnOpenFormANewNameAndFolder)
{
    const std::string first = WriteForm("first.qwm", {"Box"});
    AnswerDialogs({first});
    ASSERT_TRUE(Send(ID_FILE_OPEN));
    FDOCUMENT* doc = ActiveForm();
    ASSERT_EQ(doc->GetPathName(), first);

    fs::create_directory(PathOf("other"));
    const std::string second = PathOf("other/second.qwm");
    AnswerDialogs({second});
    ASSERT_TRUE(Send(ID_FILE_SAVE_AS));
    ASSERT_EQ(dialogs.size(), 2u);
    EXPECT_EQ(dialogs[1].folder, folder.path().toStdString());
    EXPECT_EQ(dialogs[1].fileName, "first.qwm");
    EXPECT_EQ(doc->GetPathName(), second);
    EXPECT_EQ(doc->GetTitle(), "second.qwm");
    EXPECT_EQ(app->GetDocumentHost()->GetFormLibraryFolder(), PathOf("other"));
    EXPECT_EQ(RecentFiles(), (std::vector<std::string> {second, first}));
}

struct CloseCase {
    const char* name;
    int answer;
    std::optional<std::string> savedAs; // the Save dialog's answer after Yes
    bool closed;
};

class CloseAChangedForm
    : public FileCommandsTest
    , public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseAChangedForm, AsksFirst)
{
    const CloseCase& c = GetParam();
    AddBox(*ActiveForm(), "Changed");
    AnswerBoxes({c.answer});
    if (c.answer == ui::IDYES)
        AnswerDialogs({c.savedAs ? std::optional<std::string>(PathOf(*c.savedAs)) : std::nullopt});
    ASSERT_TRUE(Send(ID_FILE_CLOSE));

    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].flags & ui::MB_TYPEMASK, ui::MB_YESNOCANCEL);
    EXPECT_EQ(OpenDocumentCount(), c.closed ? 0u : 1u);
    if (!c.closed) {
        EXPECT_TRUE(ActiveForm()->IsModified());
    }
    if (c.savedAs) {
        FDOCUMENT reopened;
        ASSERT_TRUE(reopened.OnOpenDocument(PathOf(*c.savedAs)));
        EXPECT_EQ(ObjectNames(reopened), std::vector<std::string> {"Changed"});
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseAChangedForm,
    ::testing::Values(CloseCase {"Cancel", ui::IDCANCEL, std::nullopt, false},
        CloseCase {"No", ui::IDNO, std::nullopt, true}, CloseCase {"YesThenCancel", ui::IDYES, std::nullopt, false},
        CloseCase {"YesAndSaved", ui::IDYES, "closed.qwm", true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FileCommandsTest, AnUnchangedFormClosesWithoutAsking)
{
    ASSERT_TRUE(Send(ID_FILE_CLOSE));
    EXPECT_EQ(OpenDocumentCount(), 0u);
    EXPECT_EQ(ActiveForm(), nullptr);
}

} // namespace

namespace {

bool Enabled(FORMSAPP& app, unsigned id)
{
    ui::CmdUI cmdUI(id);
    cmdUI.DoUpdate(*app.GetMainFrame(), true);
    return cmdUI.IsEnabled();
}

TEST_F(FileCommandsTest, FormCommandsNeedAnOpenForm)
{
    const unsigned formCommands[] = {ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_CLOSE};
    for (unsigned id : formCommands)
        EXPECT_TRUE(Enabled(*app, id)) << id;
    ASSERT_TRUE(Send(ID_FILE_CLOSE));
    for (unsigned id : formCommands)
        EXPECT_FALSE(Enabled(*app, id)) << id;
    EXPECT_TRUE(Enabled(*app, ID_FILE_OPEN));
    EXPECT_TRUE(Enabled(*app, ID_FILE_NEW));
}

TEST_F(FileCommandsTest, InTemplateModeTheSaveDialogOffersTemplates)
{
    app->GetDocTemplate()->SetTemplateMode(true);
    AnswerDialogs({PathOf("letter")});
    ASSERT_TRUE(Send(ID_FILE_SAVE_AS));
    app->GetDocTemplate()->SetTemplateMode(false);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].filters.front().name, "Template (*.qwl)");
    EXPECT_EQ(dialogs[0].filters.front().pattern, "*.qwl");
    EXPECT_EQ(dialogs[0].defaultExtension, ".qwl");
    EXPECT_EQ(ActiveForm()->GetPathName(), PathOf("letter.qwl"));
}

} // namespace

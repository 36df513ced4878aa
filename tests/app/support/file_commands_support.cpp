#include "tests/app/support/file_commands_support.h"

#include "forms/app/program/form_classes.h"
#include "forms/model/formobj.h"

#include <fstream>
#include <iterator>
#include <sstream>

void FileCommandsTest::SetUp()
{
    StartedAppTest::SetUp();
    ASSERT_TRUE(folder.isValid());
    dialogHook_.emplace([this](const ui::FileDialogRequest& request) -> std::optional<std::string> {
        dialogs.push_back(request);
        if (dialogAnswers_.empty()) {
            ADD_FAILURE() << "unexpected file dialog: " << request.title;
            return std::nullopt;
        }
        std::optional<std::string> answer = dialogAnswers_.front();
        dialogAnswers_.erase(dialogAnswers_.begin());
        return answer;
    });
    app = StartApp({}, FormAppClasses());
    ASSERT_NE(ActiveForm(), nullptr);
}

void FileCommandsTest::TearDown()
{
    // Whatever is still changed is not saved.
    ui::ScopedMessageBoxHook discard {[](const ui::MessageBoxRequest&) { return ui::IDNO; }};
    if (app)
        CloseApp(*app);
    app.reset();
    EXPECT_TRUE(dialogAnswers_.empty()) << "file dialogs not asked";
    EXPECT_TRUE(boxAnswers_.empty()) << "message boxes not shown";
}

std::string FileCommandsTest::PathOf(const std::string& name) const
{
    return (folder.path() + "/").toStdString() + name;
}

void FileCommandsTest::AddBox(FDOCUMENT& doc, const std::string& name)
{
    std::unique_ptr<FORMOBJ> box = doc.GetObjects().CreateObject(kTypeBox);
    box->SetName(name);
    box->SetRect(1440, 1440, 2880, 2880);
    doc.GetObjects().SetObjectPage(std::move(box), 1);
    doc.SetModified(true);
}

std::string FileCommandsTest::WriteForm(const std::string& name, const std::vector<std::string>& objects) const
{
    FDOCUMENT doc;
    doc.AppendPage();
    for (const std::string& object : objects)
        AddBox(doc, object);
    const std::string path = PathOf(name);
    EXPECT_TRUE(doc.OnSaveDocument(path));
    return path;
}

std::vector<std::string> FileCommandsTest::ObjectNames(FDOCUMENT& doc)
{
    std::vector<std::string> names;
    for (FORMOBJ* o = doc.GetObjects().GetHead(); o; o = o->GetNext())
        names.push_back(o->GetName());
    return names;
}

std::string FileCommandsTest::FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void FileCommandsTest::WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

FDOCUMENT* FileCommandsTest::ActiveForm() const
{
    ui::Frame* child = app->GetMainFrame()->GetActiveChild();
    return child ? dynamic_cast<FDOCUMENT*>(child->GetActiveDocument()) : nullptr;
}

std::size_t FileCommandsTest::OpenDocumentCount() const
{
    return app->GetDocTemplate()->Documents().size();
}

bool FileCommandsTest::Send(unsigned id)
{
    const bool handled = app->SendCommand(*app->GetMainFrame(), id);
    RunEventsFor(10);
    return handled;
}

const std::vector<std::string>& FileCommandsTest::RecentFiles() const
{
    return app->GetStdSettings().recentFiles.Files();
}

void FileCommandsTest::AnswerDialogs(std::vector<std::optional<std::string>> answers)
{
    dialogAnswers_ = std::move(answers);
}

void FileCommandsTest::AnswerBoxes(std::vector<int> answers)
{
    boxAnswers_ = std::move(answers);
    boxHook_.reset();
    boxHook_.emplace([this](const ui::MessageBoxRequest& request) -> int {
        boxes.push_back(request);
        if (boxAnswers_.empty()) {
            ADD_FAILURE() << "unexpected message box: " << request.text;
            return ui::IDCANCEL;
        }
        const int answer = boxAnswers_.front();
        boxAnswers_.erase(boxAnswers_.begin());
        return answer;
    });
}

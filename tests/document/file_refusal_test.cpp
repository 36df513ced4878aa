// A form file we may not write is never replaced: Save says so and leaves it
// as it was, Save As onto it says so before anything is written. Paths the
// system refuses by their name are reported in the system's words.
#include "tests/document/document_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <deque>

namespace {

namespace fs = std::filesystem;

// Answers the Save dialog with each name in turn, then cancels it.
class QueuedHost : public FakeHost {
public:
    bool DoPromptFileName(std::string& name, uint16_t titleId) override
    {
        answer.clear();
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        return FakeHost::DoPromptFileName(name, titleId);
    }

    std::deque<std::string> answers;
};

class FileRefusal : public ::testing::Test {
protected:
    // A saved form that no one may write any more (the superuser included).
    std::string ReadOnlyForm(FDOCUMENT& doc, const std::string& name)
    {
        const std::string path = folder.File(name);
        EXPECT_TRUE(doc.DoSave(path, true));
        fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
        doc.SetModified(true);
        return path;
    }
    std::vector<std::string> FolderNames() const
    {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder.path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string ReadOnlyText(const std::string& path)
    {
        return "File " + path + " is already open or is read only.\n\nChoose another file?";
    }

    ProgramParts program;
    FormKinds kinds;
    QueuedHost host;
    TempFolder folder;
};

TEST_F(FileRefusal, SaveLeavesAFormWeMayNotWriteAsItWas)
{
    FDOCUMENT doc(&host);
    doc.SetTitle("Form");
    const std::string path = ReadOnlyForm(doc, "form.qwm");
    const Bytes before = ReadFileBytes(path);
    {
        MessageLog no(ui::IDNO);
        EXPECT_FALSE(doc.OnFileSave());
        EXPECT_EQ(no.texts, std::vector<std::string> {ReadOnlyText(path)});
    }
    EXPECT_TRUE(host.proposed.empty()) << "No asks for no other name";
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.GetPathName(), path);
    {
        // Whatever calls the save itself is refused too.
        MessageLog ok;
        EXPECT_FALSE(doc.OnSaveDocument(path));
        EXPECT_EQ(ok.texts, std::vector<std::string> {"Unable to save " + path + ": access was denied."});
    }
    EXPECT_TRUE(ReadFileBytes(path) == before);
    EXPECT_EQ(FolderNames(), std::vector<std::string> {"form.qwm"});

    // Yes asks for another name; the same one is refused again before the next.
    const std::string other = folder.File("other.qwm");
    host.answers = {path, other};
    {
        MessageLog yes(ui::IDYES);
        EXPECT_TRUE(doc.OnFileSave());
        EXPECT_EQ(yes.texts, (std::vector<std::string> {ReadOnlyText(path), ReadOnlyText(path)}));
    }
    EXPECT_EQ(host.proposed, (std::vector<std::string> {path, path}));
    EXPECT_EQ(doc.GetPathName(), other);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(ReadFileBytes(path) == before);
    EXPECT_FALSE(StreamBytes(other, "Contents").empty());
}

TEST_F(FileRefusal, SaveAsOntoAFileWeMayNotWriteSaysSoBeforeWriting)
{
    FDOCUMENT doc(&host);
    doc.SetTitle("Form");
    const std::string target = folder.File("target.qwm");
    WriteFileBytes(target, {'o', 'l', 'd'});
    fs::permissions(target, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    host.answers = {target};
    {
        MessageLog no(ui::IDNO);
        EXPECT_FALSE(doc.OnFileSaveAs());
        // Only this question: the one about replacing the file never comes.
        EXPECT_EQ(no.texts, std::vector<std::string> {ReadOnlyText(target)});
    }
    EXPECT_EQ(ReadFileBytes(target), (Bytes {'o', 'l', 'd'}));
    EXPECT_EQ(FolderNames(), std::vector<std::string> {"target.qwm"});
    EXPECT_EQ(doc.GetPathName(), "");
}

TEST_F(FileRefusal, NamesTheSystemRefusesAreReportedInItsWords)
{
    fs::create_symlink("b.qwm", folder.path / "a.qwm");
    fs::create_symlink("a.qwm", folder.path / "b.qwm");
    const std::string loop = folder.File("a.qwm");
    const std::string longName = folder.File(std::string(NAME_MAX + 1, 'n') + ".qwm");
    const struct {
        std::string path;
        std::string reason;
    } cases[] = {
        {loop, "too many levels of symbolic links"},
        {longName, "file name too long"},
    };
    for (const auto& c : cases) {
        FDOCUMENT doc(&host);
        MessageLog ok;
        EXPECT_FALSE(doc.OnOpenDocument(c.path));
        EXPECT_FALSE(doc.OnSaveDocument(c.path));
        EXPECT_EQ(ok.texts,
            (std::vector<std::string> {"Unable to open " + c.path + ": " + c.reason + ".",
                "Unable to save " + c.path + ": " + c.reason + "."}));
    }
    EXPECT_TRUE(fs::is_symlink(loop)) << "the loop is left as it was";
    EXPECT_EQ(FolderNames(), (std::vector<std::string> {"a.qwm", "b.qwm"}));
}

} // namespace

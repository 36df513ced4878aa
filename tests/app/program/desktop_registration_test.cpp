#include "forms/app/program/desktop_registration.h"

#include "forms/res/program_icons.h"

#include "tests/app/support/temp_folder_env.h"

#include <QStandardPaths>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

std::string ReadAll(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The keys of a desktop entry's group by name.
std::map<std::string, std::string> EntryKeys(const std::string& text)
{
    std::map<std::string, std::string> keys;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end - start);
        if (const std::size_t equals = line.find('='); equals != std::string::npos)
            keys[line.substr(0, equals)] = line.substr(equals + 1);
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return keys;
}

// Type, glob and comment of each MIME type in a shared-mime-info package.
std::map<std::string, std::string> GlobsByType(const std::string& xml)
{
    std::map<std::string, std::string> globs;
    QXmlStreamReader reader(QByteArray::fromStdString(xml));
    std::string type;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == u"mime-type")
            type = reader.attributes().value("type").toString().toStdString();
        else if (reader.name() == u"glob")
            globs[type] = reader.attributes().value("pattern").toString().toStdString();
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return globs;
}

class DesktopRegistrationTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_data.IsValid()); }
    TempFolderEnv m_data {"XDG_DATA_HOME"};
};

} // namespace

TEST(DesktopEntryTest, TheProgramPathIsQuotedAndEscapedInExec)
{
    struct Case {
        const char* program;
        const char* exec;
    };
    const Case cases[] = {
        {"/usr/bin/forms", "/usr/bin/forms %f"},
        {"/opt/my forms/forms", "\"/opt/my forms/forms\" %f"},
        {"/opt/100%/forms", "/opt/100%%/forms %f"},
        {"/opt/a$b/forms", "\"/opt/a\\\\$b/forms\" %f"},
        {"/opt/a\"b`c/forms", "\"/opt/a\\\\\"b\\\\`c/forms\" %f"},
        {"/opt/a\\b/forms", "\"/opt/a\\\\\\\\b/forms\" %f"},
        {"/opt/it's/forms", "\"/opt/it's/forms\" %f"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EntryKeys(DesktopEntryText(c.program))["Exec"], c.exec) << c.program;
}

TEST(DesktopEntryTest, TheEntryOpensBothFileTypes)
{
    const std::string text = DesktopEntryText("/usr/bin/forms");
    EXPECT_EQ(text.rfind("[Desktop Entry]\n", 0), 0u);
    auto keys = EntryKeys(text);
    EXPECT_EQ(keys["Type"], "Application");
    EXPECT_EQ(keys["Name"], "Quirewell");
    EXPECT_EQ(keys["Icon"], "forms");
    EXPECT_EQ(keys["MimeType"], std::string(kFormMimeType) + ";" + kTemplateMimeType + ";");
    EXPECT_EQ(GlobsByType(MimePackageText()),
        (std::map<std::string, std::string> {{kFormMimeType, "*.qwm"}, {kTemplateMimeType, "*.qwl"}}));
}

TEST_F(DesktopRegistrationTest, RegisteringWritesTheEntryAndTheMimePackage)
{
    const RegistrationResult result = RegisterDesktop("/usr/local/bin/forms");
    ASSERT_TRUE(result.ok) << result.error;
    const fs::path data = m_data.Folder();
    EXPECT_EQ(ReadAll(data / "applications" / "forms.desktop"), DesktopEntryText("/usr/local/bin/forms"));
    EXPECT_EQ(ReadAll(data / "mime" / "packages" / "forms.xml"), MimePackageText());
    // The entry's icon is the program's own, found by its name in the
    // user's icon theme folder.
    const std::string icon = ReadAll(data / "icons" / "hicolor" / "scalable" / "apps" / "forms.svg");
    EXPECT_EQ(icon, ProgramIconSvg(kProgramIconId).toStdString());
    EXPECT_EQ(icon.rfind("<svg", 0), 0u);
    if (!QStandardPaths::findExecutable("update-mime-database").isEmpty()) {
        const std::string globs = ReadAll(data / "mime" / "globs2");
        EXPECT_NE(globs.find(std::string(kFormMimeType) + ":*.qwm"), std::string::npos) << globs;
        EXPECT_NE(globs.find(std::string(kTemplateMimeType) + ":*.qwl"), std::string::npos) << globs;
    }

    // Registering again replaces the files whole.
    ASSERT_TRUE(RegisterDesktop("/opt/forms/forms").ok);
    EXPECT_EQ(ReadAll(data / "applications" / "forms.desktop"), DesktopEntryText("/opt/forms/forms"));
    EXPECT_FALSE(fs::exists(data / "applications" / "forms.desktop.new"));
}

TEST_F(DesktopRegistrationTest, FailuresAreReportedAndLeaveNoFile)
{
    struct Case {
        const char* label;
        fs::path program;
    };
    const Case cases[] = {
        {"relative program path", "bin/forms"},
        {"program path with a control character", "/opt/a\nb/forms"},
        {"program path that is no UTF-8", "/opt/\xff/forms"},
    };
    for (const Case& c : cases) {
        const RegistrationResult result = RegisterDesktop(c.program);
        EXPECT_FALSE(result.ok) << c.label;
        EXPECT_FALSE(result.error.empty()) << c.label;
    }
    EXPECT_FALSE(fs::exists(m_data.Folder()));

    // The data folder is a file, so nothing can be written under it.
    std::ofstream(m_data.Folder()) << "in the way";
    const RegistrationResult blocked = RegisterDesktop("/usr/bin/forms");
    EXPECT_FALSE(blocked.ok);
    EXPECT_NE(blocked.error.find(m_data.Folder().string()), std::string::npos) << blocked.error;
}

TEST_F(DesktopRegistrationTest, TheDataFolderFallsBackToTheHomeFolder)
{
    TempFolderEnv home("HOME");
    EXPECT_EQ(UserDataFolder(), m_data.Folder());
    setenv("XDG_DATA_HOME", "relative/data", 1);
    EXPECT_EQ(UserDataFolder(), home.Folder() / ".local" / "share");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(UserDataFolder(), home.Folder() / ".local" / "share");
    unsetenv("HOME");
    EXPECT_EQ(UserDataFolder(), fs::path());
    EXPECT_FALSE(RegisterDesktop("/usr/bin/forms").ok);
}

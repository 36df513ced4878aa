#include "forms/app/program/desktop_registration.h"

#include "forms/res/program_icons.h"

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringDecoder>

#include <cstdlib>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace {

bool IsUtf8(const std::string& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    // Only decoding into a text sets the decoder's error flag.
    const QString decoded = decoder(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return !decoder.hasError();
}

// One argument of an Exec line: quoted when it holds a reserved character,
// with '"', '`', '$' and '\' escaped inside the quotes, and '%' doubled so
// that it is no field code.
std::string ExecArgument(const std::string& argument)
{
    const bool quote = argument.find_first_of(" \"'\\><~|&;$*?#()`") != std::string::npos;
    std::string out = quote ? "\"" : "";
    for (char c : argument) {
        if (c == '%')
            out += '%';
        else if (quote && (c == '"' || c == '`' || c == '$' || c == '\\'))
            out += '\\';
        out += c;
    }
    return quote ? out + '"' : out;
}

// A value of a desktop entry as its string type stores it (control
// characters are refused before).
std::string EscapeValue(const std::string& value)
{
    std::string out;
    for (char c : value) {
        if (c == '\\')
            out += '\\';
        out += c;
    }
    return out;
}

// A desktop entry is UTF-8 text without control characters.
bool CanNameInEntry(const std::string& bytes)
{
    for (unsigned char c : bytes) {
        if (c < 0x20 || c == 0x7F)
            return false;
    }
    return IsUtf8(bytes);
}

// Writes `text` beside `path` and renames it over `path`, so that a failed
// write leaves the old file as it was.
bool WriteFileWhole(const fs::path& path, const std::string& text, std::string& error)
{
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    if (ec) {
        error = "Cannot create the folder " + path.parent_path().string() + ": " + ec.message();
        return false;
    }
    const fs::path temporary = path.string() + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            fs::remove(temporary, ec);
            error = "Cannot write " + temporary.string();
            return false;
        }
    }
    fs::rename(temporary, path, ec);
    if (ec) {
        fs::remove(temporary, ec);
        error = "Cannot replace " + path.string();
        return false;
    }
    return true;
}

// Rebuilds the MIME database under `mimeFolder`. Without the tool the
// package stays in place for the desktop's next rebuild.
bool UpdateMimeDatabase(const fs::path& mimeFolder, std::string& error)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
    if (tool.isEmpty())
        return true;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(tool, {QString::fromStdString(mimeFolder.string())});
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        error = "update-mime-database failed on " + mimeFolder.string();
        return false;
    }
    return true;
}

} // namespace

fs::path UserDataFolder()
{
    if (const char* data = std::getenv("XDG_DATA_HOME"); data && fs::path(data).is_absolute())
        return data;
    if (const char* home = std::getenv("HOME"); home && *home)
        return fs::path(home) / ".local" / "share";
    return {};
}

std::string DesktopEntryText(const fs::path& program)
{
    return std::string("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Quirewell\n"
                       "Exec=")
        + EscapeValue(ExecArgument(program.string())) + " %f\nIcon=" + kDesktopIconName
        + "\nTerminal=false\n"
          "MimeType="
        + kFormMimeType + ";" + kTemplateMimeType
        + ";\n"
          "Categories=Office;\n";
}

std::string MimePackageText()
{
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                       "  <mime-type type=\"")
        + kFormMimeType
        + "\">\n"
          "    <comment>Quirewell Document</comment>\n"
          "    <sub-class-of type=\"application/x-ole-storage\"/>\n"
          "    <glob pattern=\"*.qwm\"/>\n"
          "  </mime-type>\n"
          "  <mime-type type=\""
        + kTemplateMimeType
        + "\">\n"
          "    <comment>Quirewell Template</comment>\n"
          "    <sub-class-of type=\"application/x-ole-storage\"/>\n"
          "    <glob pattern=\"*.qwl\"/>\n"
          "  </mime-type>\n"
          "</mime-info>\n";
}

RegistrationResult RegisterDesktop(const fs::path& program)
{
    RegistrationResult result;
    if (!program.is_absolute() || !CanNameInEntry(program.string())) {
        result.error = "The program's path cannot be named in a desktop entry: " + program.string();
        return result;
    }
    const fs::path data = UserDataFolder();
    if (data.empty()) {
        result.error = "The user's data folder is not known (neither XDG_DATA_HOME nor HOME is set)";
        return result;
    }
    const QByteArray icon = ProgramIconSvg(kProgramIconId);
    if (icon.isEmpty()) {
        result.error = "The program's icon is missing from the program";
        return result;
    }
    result.ok
        = WriteFileWhole(data / "icons" / "hicolor" / "scalable" / "apps" / (std::string(kDesktopIconName) + ".svg"),
              icon.toStdString(), result.error)
        && WriteFileWhole(data / "mime" / "packages" / "forms.xml", MimePackageText(), result.error)
        && WriteFileWhole(data / "applications" / "forms.desktop", DesktopEntryText(program), result.error)
        && UpdateMimeDatabase(data / "mime", result.error);
    return result;
}

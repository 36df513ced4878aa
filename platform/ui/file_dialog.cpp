#include "platform/ui/file_dialog.h"

#include "platform/text/cp1252.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QStringList>

#include <filesystem>
#include <utility>

namespace ui {

namespace {

FileDialogHook& Hook()
{
    static FileDialogHook hook;
    return hook;
}

bool HasScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

// "Form (*.qwm)" and "*.qwm" give Qt's "Form (*.qwm)"; the pattern "*.*",
// which matches every file on Windows, becomes "*".
QString QtFilterOf(const FileFilter& filter)
{
    QString name = text::ToQString(filter.name);
    if (const qsizetype open = name.indexOf('('); open >= 0)
        name = name.left(open).trimmed();
    const QString pattern = filter.pattern == "*.*" ? QStringLiteral("*") : QString::fromStdString(filter.pattern);
    return name + " (" + pattern + ")";
}

std::optional<std::string> ShowDialog(const FileDialogRequest& request)
{
    QFileDialog dialog(
        QApplication::activeWindow(), text::ToQString(request.title), QString::fromStdString(request.folder));
    const bool open = request.kind == FileDialogKind::Open;
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Whoever asked for the name asks about replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QStringList filters;
    for (const FileFilter& filter : request.filters)
        filters << QtFilterOf(filter);
    dialog.setNameFilters(filters);
    if (!request.fileName.empty())
        dialog.selectFile(QString::fromStdString(request.fileName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}

// The default extension goes onto a name without one; an Open dialog keeps
// a name that exists as it is.
std::string WithDefaultExtension(const FileDialogRequest& request, std::string path)
{
    if (request.defaultExtension.empty() || path.empty())
        return path;
    const std::filesystem::path chosen(path);
    if (chosen.has_extension() || chosen.filename().empty())
        return path;
    std::error_code error;
    if (request.kind == FileDialogKind::Open && std::filesystem::exists(chosen, error))
        return path;
    return path + request.defaultExtension;
}

std::optional<std::string> Ask(const FileDialogRequest& request)
{
    std::optional<std::string> chosen;
    if (FileDialogHook hook = Hook())
        chosen = hook(request);
    else if (!HasScreen())
        throw UnansweredFileDialog("file dialog with nobody to answer it: " + text::ToUtf8(request.title));
    else
        chosen = ShowDialog(request);
    if (!chosen || chosen->empty())
        return std::nullopt;
    return WithDefaultExtension(request, std::move(*chosen));
}

} // namespace

std::optional<std::string> GetOpenFileName(FileDialogRequest request)
{
    request.kind = FileDialogKind::Open;
    return Ask(request);
}

std::optional<std::string> GetSaveFileName(FileDialogRequest request)
{
    request.kind = FileDialogKind::Save;
    return Ask(request);
}

FileDialogHook SetFileDialogHook(FileDialogHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

ScopedFileDialogHook::ScopedFileDialogHook(FileDialogHook hook)
    : previous_(SetFileDialogHook(std::move(hook)))
{}

ScopedFileDialogHook::~ScopedFileDialogHook()
{
    SetFileDialogHook(std::move(previous_));
}

} // namespace ui

// The Open and Save file dialogs. A hook answers them instead of the user
// (tests set one so nothing ever waits); without a hook and without a
// screen a dialog cannot be answered and the call throws.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ui {

// One entry of the dialog's file types: its name ("Form (*.qwm)") and
// pattern ("*.qwm").
struct FileFilter {
    std::string name; // Windows-1252
    std::string pattern;
};

enum class FileDialogKind { Open, Save };

struct FileDialogRequest {
    FileDialogKind kind = FileDialogKind::Open;
    std::string title; // Windows-1252
    std::vector<FileFilter> filters;
    // With its dot; added to a chosen name that has no extension.
    std::string defaultExtension;
    // The folder the dialog starts in and the name it proposes.
    std::string folder;
    std::string fileName;
};

// The chosen path as the user gave it, or nothing for Cancel.
using FileDialogHook = std::function<std::optional<std::string>(const FileDialogRequest&)>;

class UnansweredFileDialog : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The chosen path (with the default extension when it had none), or
// nothing when the user cancelled.
std::optional<std::string> GetOpenFileName(FileDialogRequest request);
std::optional<std::string> GetSaveFileName(FileDialogRequest request);

// Sets the hook (an empty one shows real dialogs again); returns the previous hook.
FileDialogHook SetFileDialogHook(FileDialogHook hook);

// Sets a hook for its own lifetime and puts the previous one back after.
class ScopedFileDialogHook {
public:
    explicit ScopedFileDialogHook(FileDialogHook hook);
    ~ScopedFileDialogHook();
    ScopedFileDialogHook(const ScopedFileDialogHook&) = delete;
    ScopedFileDialogHook& operator=(const ScopedFileDialogHook&) = delete;

private:
    FileDialogHook previous_;
};

} // namespace ui

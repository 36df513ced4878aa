// The Print dialog: the printer (or a PDF file), the pages and the number
// of copies. A hook answers it instead of the user (tests set one so
// nothing ever waits); without a hook and without a screen it cannot be
// answered and the call throws.
#pragma once

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>

namespace ui {

struct PrintDialogRequest {
    // The printer the dialog starts on; "" for printing to a PDF file,
    // which it then proposes.
    std::string printer;
    std::string pdfPath;
    // The pages there are, from 1.
    int pageCount = 1;
};

struct PrintChoice {
    // An installed printer, or "" with the PDF file to write.
    std::string printer;
    std::string pdfPath;
    // The pages to print, from 1, in the order they print: from past to
    // when the last page goes first.
    int fromPage = 1;
    int toPage = 1;
    int copies = 1;
    // Copies printed as whole sets, or each page so many times.
    bool collate = true;
};

// The choice, or nothing for Cancel.
using PrintDialogHook = std::function<std::optional<PrintChoice>(const PrintDialogRequest&)>;

class UnansweredPrintDialog : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The user's choice, its page range within the pages there are and at
// least one copy; nothing when the user cancelled.
std::optional<PrintChoice> ShowPrintDialog(const PrintDialogRequest& request);

// Sets the hook (an empty one shows the real dialog again); returns the previous hook.
PrintDialogHook SetPrintDialogHook(PrintDialogHook hook);

// Sets a hook for its own lifetime and puts the previous one back after.
class ScopedPrintDialogHook {
public:
    explicit ScopedPrintDialogHook(PrintDialogHook hook);
    ~ScopedPrintDialogHook();
    ScopedPrintDialogHook(const ScopedPrintDialogHook&) = delete;
    ScopedPrintDialogHook& operator=(const ScopedPrintDialogHook&) = delete;

private:
    PrintDialogHook previous_;
};

} // namespace ui

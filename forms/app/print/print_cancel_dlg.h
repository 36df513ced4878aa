// The modeless dialog shown while a form prints: the document, the printer
// and its port (for the PDF printer, the file), the page in hand, and a
// Cancel button that stops the job after that page.
#pragma once

#include <QDialog>

#include <string>

class QLabel;

class PRINT_CANCEL_DLG : public QDialog {
public:
    PRINT_CANCEL_DLG(
        const std::string& document, const std::string& printer, const std::string& port, QWidget* parent = nullptr);

    void SetPage(int page);
    bool IsCancelled() const { return cancelled; }
    // Passes waiting events on while the job runs; false once cancelled.
    bool PrintAbortProc();

    void reject() override;

private:
    QLabel* pageLabel;
    bool cancelled = false;
};

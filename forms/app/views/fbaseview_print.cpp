// Printing of the base view: every page of the form on the current printer,
// or into a PDF file on the PDF printer, with the printing dialog shown and
// the main window disabled while the job runs.
#include "forms/app/views/fbaseview.h"

#include "forms/app/frames/main_frame.h"
#include "forms/app/print/print_cancel_dlg.h"
#include "forms/app/print/print_preview.h"
#include "forms/app/program/forms_app.h"
#include "forms/document/fdocument.h"
#include "forms/document/print/flayout.h"

#include "platform/gdi/printer_surface.h"
#include "platform/ui/app.h"
#include "platform/ui/message_box.h"

#include <QMainWindow>

#include <filesystem>
#include <iostream>
#include <memory>

namespace {

constexpr char kFailedToStart[] = "Failed to start printing.";
constexpr char kPdfPrinter[] = "PDF";
constexpr size_t kJobNameLength = 31;

// The print switch runs unattended: its failures go to the error stream.
void TellFailure(const std::string& text)
{
    FORMSAPP* app = FormsApp();
    if (app && app->GetCommandLine().print) {
        std::cerr << "forms: " << text << '\n';
        return;
    }
    ui::MessageBox(text, app ? app->AppName() : std::string(), ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

} // namespace

std::string FBASEVIEW::DefaultPdfPath() const
{
    const FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return {};
    if (!doc->GetPathName().empty())
        return std::filesystem::path(doc->GetPathName()).replace_extension(".pdf").string();
    std::string title = doc->GetTitle();
    if (!title.empty() && title.front() == '*')
        title.erase(0, 1);
    return (std::filesystem::current_path() / (title + ".pdf")).string();
}

bool FBASEVIEW::PrintDirect()
{
    return PrintPages(true);
}

void FBASEVIEW::OnPrint(gdi::DC& dc, int page)
{
    const int16_t shown = currentPage;
    currentPage = static_cast<int16_t>(page);
    OnDraw(dc);
    currentPage = shown;
    if (FDOCUMENT* doc = GetFormDocument())
        pageLayout = doc->GetPageLayout(static_cast<uint16_t>(currentPage));
}

FBASEVIEW::PrintOutcome FBASEVIEW::PrintPagesOn(gdi::Surface& surface, PRINT_CANCEL_DLG* dialog)
{
    const int count = GetPageCount();
    for (int page = 1; page <= count; ++page) {
        if (dialog)
            dialog->SetPage(page);
        if (page > 1 && !surface.NewPage()) {
            surface.AbortDoc();
            return PrintOutcome::Failed;
        }
        {
            gdi::DC dc(surface);
            OnPrint(dc, page);
        }
        if (dialog && !dialog->PrintAbortProc()) {
            surface.AbortDoc();
            return PrintOutcome::Cancelled;
        }
    }
    return surface.EndDoc() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

bool FBASEVIEW::PrintPages(bool showDialog)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return false;
    PrepareToPrint();
    FORMSAPP* app = FormsApp();
    const std::string printer = app ? app->GetPrinterName() : std::string();
    const std::string path = pdfPath.empty() ? DefaultPdfPath() : pdfPath;
    std::unique_ptr<gdi::PrinterSurface> surface;
    if (printer.empty()) {
        const FLAYOUT* first = doc->GetPageLayout(1);
        const QSizeF inches(first->pageWidth / 1440.0, first->pageHeight / 1440.0);
        surface = gdi::PrinterSurface::ForPdf(path, QPageSize(inches, QPageSize::Inch), 600);
    } else {
        surface = gdi::PrinterSurface::ForPrinter(printer);
    }
    if (!surface) {
        TellFailure(kFailedToStart);
        if (app)
            app->NotePrintResult(false);
        return false;
    }

    std::string jobName = doc->GetTitle().substr(0, kJobNameLength);
    QMainWindow* mainWindow = nullptr;
    if (app && app->GetMainFrame())
        mainWindow = app->GetMainFrame()->GetWindow();
    std::unique_ptr<PRINT_CANCEL_DLG> dialog;
    if (showDialog) {
        dialog = std::make_unique<PRINT_CANCEL_DLG>(
            jobName, printer.empty() ? kPdfPrinter : printer, printer.empty() ? path : std::string(), mainWindow);
        dialog->show();
    }
    if (mainWindow)
        mainWindow->setEnabled(false);

    const PrintOutcome outcome = PrintPagesOn(*surface, dialog.get());
    surface.reset();
    if (mainWindow)
        mainWindow->setEnabled(true);
    dialog.reset();
    if (outcome == PrintOutcome::Failed)
        TellFailure(kFailedToStart);
    if (app)
        app->NotePrintResult(outcome == PrintOutcome::Printed);
    return outcome == PrintOutcome::Printed;
}

void FBASEVIEW::OnFilePrintPreview()
{
    if (!GetFormDocument())
        return;
    PrepareToPrint();
    PrintPreview preview(*this);
    preview.exec();
}

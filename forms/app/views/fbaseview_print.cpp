// Printing of the base view: the form's pages on the current printer, or
// into a PDF file on the PDF printer, each page on its own paper, with the
// printing dialog shown and the main window disabled while the job runs;
// File Print asks the Print dialog first.
#include "forms/app/views/fbaseview.h"

#include "forms/app/print/print_cancel_dlg.h"
#include "forms/app/print/print_preview.h"
#include "forms/document/fdocument.h"
#include "forms/document/print/flayout.h"
#include "forms/document/print/page_dev_mode.h"

#include "platform/gdi/printer_dev_mode.h"
#include "platform/gdi/printer_surface.h"
#include "platform/ui/app.h"
#include "platform/ui/message_box.h"
#include "platform/ui/print_dialog.h"

#include <QMainWindow>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr char kFailedToStart[] = "Failed to start printing.";
constexpr char kPdfPrinter[] = "PDF";
constexpr size_t kJobNameLength = 31;

// The print switch runs unattended: its failures go to the error stream.
void TellFailure(const VIEW_HOST* host, const std::string& text)
{
    if (host && host->IsPrintingUnattended()) {
        std::cerr << "forms: " << text << '\n';
        return;
    }
    ui::MessageBox(text, host ? host->AppName() : std::string(), ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

// The pages in the order they print: the range once for each copy, or
// each page of it once for each copy.
std::vector<int> PageOrder(const FBASEVIEW::PrintJob& job, int count)
{
    std::vector<int> pages;
    if (count < 1)
        return pages;
    const int from = std::clamp(job.from, 1, count);
    const int to = job.to == 0 ? count : std::clamp(job.to, 1, count);
    const int step = from <= to ? 1 : -1;
    const int copies = std::max(job.copies, 1);
    for (int set = 0; set < (job.collate ? copies : 1); ++set)
        for (int page = from;; page += step) {
            pages.insert(pages.end(), job.collate ? 1 : copies, page);
            if (page == to)
                break;
        }
    return pages;
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

FBASEVIEW::PrintOutcome FBASEVIEW::PrintPagesOn(gdi::Surface& surface, PRINT_CANCEL_DLG* dialog, const PrintJob& job)
{
    const FDOCUMENT* doc = GetFormDocument();
    const std::vector<int> pages = PageOrder(job, GetPageCount());
    for (size_t i = 0; i < pages.size(); ++i) {
        const int page = pages[i];
        if (dialog)
            dialog->SetPage(page);
        if (const FLAYOUT* layout = doc ? doc->GetPageLayout(static_cast<uint16_t>(page)) : nullptr)
            surface.ResetDC(PageDevMode(*layout));
        if (i > 0 && !surface.NewPage()) {
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

bool FBASEVIEW::PrintPages(bool showDialog, const PrintJob& job)
{
    FDOCUMENT* doc = GetFormDocument();
    if (!doc)
        return false;
    PrepareToPrint();
    // The program's printer takes the shown page's orientation and paper.
    if (host && pageLayout) {
        const bool landscape = pageLayout->option2 != 0;
        host->SetOrientation(landscape ? 1 : 0);
        host->SetPaperSize(landscape ? pageLayout->pageHeight : pageLayout->pageWidth,
            landscape ? pageLayout->pageWidth : pageLayout->pageHeight);
    }
    const std::string printer = host ? host->GetPrinterName() : std::string();
    const std::string path = !job.pdfPath.empty() ? job.pdfPath : pdfPath.empty() ? DefaultPdfPath() : pdfPath;
    std::unique_ptr<gdi::PrinterSurface> surface
        = printer.empty() ? gdi::PrinterSurface::ForPdf(path) : gdi::PrinterSurface::ForPrinter(printer);
    if (!surface) {
        TellFailure(host, kFailedToStart);
        if (host)
            host->NotePrintResult(false);
        return false;
    }
    if (host)
        surface->ResetDC(host->GetDevMode());

    std::string jobName = doc->GetTitle().substr(0, kJobNameLength);
    QMainWindow* mainWindow = host ? host->GetMainWindow() : nullptr;
    std::unique_ptr<PRINT_CANCEL_DLG> dialog;
    if (showDialog) {
        dialog = std::make_unique<PRINT_CANCEL_DLG>(
            jobName, printer.empty() ? kPdfPrinter : printer, printer.empty() ? path : std::string(), mainWindow);
        dialog->show();
    }
    if (mainWindow)
        mainWindow->setEnabled(false);

    const PrintOutcome outcome = PrintPagesOn(*surface, dialog.get(), job);
    const std::string why = surface->ErrorText();
    surface.reset();
    if (mainWindow)
        mainWindow->setEnabled(true);
    dialog.reset();
    if (outcome == PrintOutcome::Failed)
        TellFailure(host, why.empty() ? std::string(kFailedToStart) : std::string(kFailedToStart) + "\n" + why);
    if (host)
        host->NotePrintResult(outcome == PrintOutcome::Printed);
    return outcome == PrintOutcome::Printed;
}

bool FBASEVIEW::OnFilePrint()
{
    if (!GetFormDocument())
        return false;
    const std::string printer = host ? host->GetPrinterName() : std::string();
    const std::optional<ui::PrintChoice> choice
        = ui::ShowPrintDialog({printer, pdfPath.empty() ? DefaultPdfPath() : pdfPath, GetPageCount()});
    if (!choice)
        return false;
    // A printer chosen in the dialog becomes the program's, and the views
    // show the form for it.
    if (host && choice->printer != printer)
        host->ChoosePrinter(choice->printer);
    return PrintPages(true, {choice->fromPage, choice->toPage, choice->copies, choice->collate, choice->pdfPath});
}

void FBASEVIEW::OnFilePrintPreview()
{
    if (!GetFormDocument())
        return;
    PrepareToPrint();
    PrintPreview preview(*this);
    preview.exec();
}

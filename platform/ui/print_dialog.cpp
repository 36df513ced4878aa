#include "platform/ui/print_dialog.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <utility>

namespace ui {

namespace {

PrintDialogHook& Hook()
{
    static PrintDialogHook hook;
    return hook;
}

bool HasScreen()
{
    const QString platform = QGuiApplication::platformName();
    return platform != "offscreen" && platform != "minimal";
}

// Qt's dialog over the print system: its printers, and "Print to File
// (PDF)", which stands for the PDF printer.
std::optional<PrintChoice> ShowDialog(const PrintDialogRequest& request)
{
    QPrinter printer(QPrinter::HighResolution);
    if (request.printer.empty()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(request.pdfPath));
    } else {
        printer.setPrinterName(QString::fromStdString(request.printer));
    }
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setMinMax(1, request.pageCount);
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintPageRange
        | QAbstractPrintDialog::PrintCollateCopies);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    PrintChoice choice;
    if (printer.outputFormat() == QPrinter::PdfFormat || !printer.outputFileName().isEmpty())
        choice.pdfPath = printer.outputFileName().toStdString();
    else
        choice.printer = printer.printerName().toStdString();
    if (printer.printRange() == QPrinter::PageRange) {
        choice.fromPage = printer.fromPage();
        choice.toPage = printer.toPage();
    } else {
        choice.toPage = request.pageCount;
    }
    if (printer.pageOrder() == QPrinter::LastPageFirst)
        std::swap(choice.fromPage, choice.toPage);
    choice.copies = printer.copyCount();
    choice.collate = printer.collateCopies();
    return choice;
}

} // namespace

std::optional<PrintChoice> ShowPrintDialog(const PrintDialogRequest& request)
{
    std::optional<PrintChoice> choice;
    if (PrintDialogHook hook = Hook())
        choice = hook(request);
    else if (!HasScreen())
        throw UnansweredPrintDialog("print dialog with nobody to answer it");
    else
        choice = ShowDialog(request);
    if (!choice)
        return std::nullopt;
    const int last = std::max(request.pageCount, 1);
    choice->fromPage = std::clamp(choice->fromPage, 1, last);
    choice->toPage = std::clamp(choice->toPage, 1, last);
    choice->copies = std::max(choice->copies, 1);
    return choice;
}

PrintDialogHook SetPrintDialogHook(PrintDialogHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

ScopedPrintDialogHook::ScopedPrintDialogHook(PrintDialogHook hook)
    : previous_(SetPrintDialogHook(std::move(hook)))
{}

ScopedPrintDialogHook::~ScopedPrintDialogHook()
{
    SetPrintDialogHook(std::move(previous_));
}

} // namespace ui

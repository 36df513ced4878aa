#include "platform/gdi/printer_surface.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

namespace gdi {

std::unique_ptr<PrinterSurface> PrinterSurface::ForPdf(const std::string& path, QPageSize::PageSizeId paper, int dpi)
{
    return ForPdf(path, QPageSize(paper), dpi);
}

std::unique_ptr<PrinterSurface> PrinterSurface::ForPdf(const std::string& path, const QPageSize& paper, int dpi)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(path));
    printer->setResolution(dpi);
    printer->setPageSize(paper);
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    return std::unique_ptr<PrinterSurface>(new PrinterSurface(std::move(printer)));
}

std::unique_ptr<PrinterSurface> PrinterSurface::ForPrinter(const std::string& name)
{
    const QPrinterInfo info = name.empty() ? QPrinterInfo::defaultPrinter()
                                           : QPrinterInfo::printerInfo(QString::fromStdString(name));
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
        return nullptr;
    return std::unique_ptr<PrinterSurface>(new PrinterSurface(std::move(printer)));
}

PrinterSurface::PrinterSurface(std::unique_ptr<QPrinter> printer)
    : printer_(std::move(printer))
{
}

// A surface dropped without EndDoc finishes what was drawn; one that was
// never drawn on starts no job, so measuring a printer prints nothing.
PrinterSurface::~PrinterSurface()
{
    if (painter_.isActive())
        painter_.end();
}

QPainter& PrinterSurface::Painter()
{
    if (!painter_.isActive() && !ended_ && !painter_.begin(printer_.get()))
        failed_ = true;
    return painter_;
}

bool PrinterSurface::NewPage()
{
    Painter();
    if (failed_ || !printer_->newPage())
        failed_ = true;
    return !failed_;
}

bool PrinterSurface::EndDoc()
{
    if (ended_)
        return !failed_;
    Painter();
    ended_ = true;
    if (painter_.isActive() && !painter_.end())
        failed_ = true;
    return !failed_;
}

int PrinterSurface::DpiX() const
{
    return printer_->resolution();
}

int PrinterSurface::DpiY() const
{
    return printer_->resolution();
}

SIZE PrinterSurface::PixelSize() const
{
    const QRect page = printer_->pageLayout().paintRectPixels(printer_->resolution());
    return {page.width(), page.height()};
}

POINT PrinterSurface::PhysicalOffset() const
{
    const QRect page = printer_->pageLayout().paintRectPixels(printer_->resolution());
    return {page.left(), page.top()};
}

SIZE PrinterSurface::PhysicalSize() const
{
    const QRect paper = printer_->pageLayout().fullRectPixels(printer_->resolution());
    return {paper.width(), paper.height()};
}

std::vector<std::string> InstalledPrinters()
{
    std::vector<std::string> names;
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        names.push_back(name.toStdString());
    return names;
}

std::string DefaultPrinter()
{
    return QPrinterInfo::defaultPrinterName().toStdString();
}

} // namespace gdi

#include "platform/gdi/printer_surface.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <filesystem>
#include <system_error>

namespace gdi {

std::unique_ptr<PrinterSurface> PrinterSurface::ForPdf(const std::string& path, QPageSize::PageSizeId paper, int dpi)
{
    return ForPdf(path, QPageSize(paper), dpi);
}

std::unique_ptr<PrinterSurface> PrinterSurface::ForPdf(const std::string& path, const QPageSize& paper, int dpi)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setResolution(dpi);
    printer->setPageSize(paper);
    printer->setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Point);
    return std::unique_ptr<PrinterSurface>(new PrinterSurface(std::move(printer), path));
}

std::unique_ptr<PrinterSurface> PrinterSurface::ForPrinter(const std::string& name)
{
    const QPrinterInfo info
        = name.empty() ? QPrinterInfo::defaultPrinter() : QPrinterInfo::printerInfo(QString::fromStdString(name));
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    if (!printer->isValid())
        return nullptr;
    return std::unique_ptr<PrinterSurface>(new PrinterSurface(std::move(printer)));
}

// The partial PDF is a hidden file in the same folder, so that taking the
// PDF's place is a rename within one file system.
PrinterSurface::PrinterSurface(std::unique_ptr<QPrinter> printer, std::string pdfPath)
    : printer_(std::move(printer))
    , pdfPath_(std::move(pdfPath))
    , spooling_(pdfPath_.empty())
{
    if (spooling_)
        return;
    const std::filesystem::path target(pdfPath_);
    partialPath_ = (target.parent_path()
        / ("." + target.filename().string() + "." + std::to_string(QCoreApplication::applicationPid()) + ".part"))
                       .string();
    printer_->setOutputFileName(QString::fromStdString(partialPath_));
    printer_->setOutputFormat(QPrinter::PdfFormat);
}

// A surface dropped without EndDoc finishes what was drawn; one that was
// never drawn on starts no job, so measuring a printer prints nothing.
PrinterSurface::~PrinterSurface()
{
    if (painter_.isActive() || !spooled_.empty())
        EndDoc();
}

QPainter& PrinterSurface::Painter()
{
    if (!painter_.isActive() && !ended_ && !painter_.begin(printer_.get()))
        failed_ = true;
    return painter_;
}

void PrinterSurface::Draw(std::function<void()> primitive)
{
    if (!spooling_) {
        primitive();
        return;
    }
    if (ended_)
        return;
    if (spooled_.empty())
        spooled_.emplace_back();
    spooled_.back().push_back(std::move(primitive));
}

bool PrinterSurface::NewPage()
{
    if (ended_)
        return false;
    if (spooling_) {
        if (spooled_.empty())
            spooled_.emplace_back();
        spooled_.emplace_back();
        return true;
    }
    Painter();
    if (failed_ || !printer_->newPage())
        failed_ = true;
    return !failed_;
}

bool PrinterSurface::EndDoc()
{
    if (ended_)
        return !failed_;
    if (spooling_) {
        // The kept pages go to the printer as one job.
        std::vector<Page> pages = std::move(spooled_);
        spooled_.clear();
        spooling_ = false;
        for (size_t page = 0; page < pages.size() && !failed_; ++page) {
            if (page > 0 && !NewPage())
                break;
            for (const std::function<void()>& primitive : pages[page])
                primitive();
        }
    }
    Painter();
    ended_ = true;
    if (painter_.isActive() && !painter_.end())
        failed_ = true;
    if (partialPath_.empty())
        return !failed_;
    std::error_code error;
    if (!failed_)
        std::filesystem::rename(partialPath_, pdfPath_, error);
    if (failed_ || error) {
        failed_ = true;
        std::filesystem::remove(partialPath_, error);
    }
    return !failed_;
}

void PrinterSurface::AbortDoc()
{
    if (ended_)
        return;
    ended_ = true;
    failed_ = true;
    spooled_.clear();
    if (painter_.isActive())
        painter_.end();
    if (!partialPath_.empty()) {
        std::error_code error;
        std::filesystem::remove(partialPath_, error);
    }
}

void PrinterSurface::Rectangle(const DrawState& s, const RECT& r)
{
    Draw([=, this] { PainterSurface::Rectangle(s, r); });
}

void PrinterSurface::RoundRect(const DrawState& s, const RECT& r, int ellipseWidth, int ellipseHeight)
{
    Draw([=, this] { PainterSurface::RoundRect(s, r, ellipseWidth, ellipseHeight); });
}

void PrinterSurface::Ellipse(const DrawState& s, const RECT& r)
{
    Draw([=, this] { PainterSurface::Ellipse(s, r); });
}

void PrinterSurface::Polygon(const DrawState& s, const std::vector<POINT>& points)
{
    Draw([=, this] { PainterSurface::Polygon(s, points); });
}

void PrinterSurface::Polyline(const DrawState& s, const std::vector<POINT>& points)
{
    Draw([=, this] { PainterSurface::Polyline(s, points); });
}

void PrinterSurface::PatBlt(const DrawState& s, const RECT& r, uint32_t rop)
{
    Draw([=, this] { PainterSurface::PatBlt(s, r, rop); });
}

void PrinterSurface::FillRegion(const DrawState& s, const Region& region)
{
    Draw([=, this] { PainterSurface::FillRegion(s, region); });
}

void PrinterSurface::FocusRect(const DrawState& s, const RECT& r)
{
    Draw([=, this] { PainterSurface::FocusRect(s, r); });
}

void PrinterSurface::StretchBlt(
    const DrawState& s, const RECT& dest, const Bitmap& source, const RECT& src, uint32_t rop)
{
    Draw([=, this] { PainterSurface::StretchBlt(s, dest, source, src, rop); });
}

void PrinterSurface::TextOut(const DrawState& s, const TextRun& run)
{
    Draw([=, this] { PainterSurface::TextOut(s, run); });
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

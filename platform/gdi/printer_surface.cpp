#include "platform/gdi/printer_surface.h"

#include <QCoreApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
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

QPageLayout PrinterSurface::LayoutFor(const DevMode& mode, const QPageLayout& from)
{
    QPageLayout layout = from;
    if (mode.fields & DM_ORIENTATION)
        layout.setOrientation(mode.orientation == DMORIENT_LANDSCAPE ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (!(mode.fields & DM_PAPERSIZE))
        return layout;
    if (mode.paperSize == DMPAPER_USER) {
        if ((mode.fields & DM_PAPERLENGTH) && (mode.fields & DM_PAPERWIDTH) && mode.paperWidth > 0
            && mode.paperLength > 0)
            layout.setPageSize(QPageSize(QSizeF(mode.paperWidth / 10.0, mode.paperLength / 10.0), QPageSize::Millimeter,
                QString(), QPageSize::ExactMatch));
        return layout;
    }
    const QPageSize::PageSizeId id = QPageSize::id(mode.paperSize);
    if (id != QPageSize::Custom)
        layout.setPageSize(QPageSize(id));
    return layout;
}

namespace {

// The last "startxref" of a PDF names where its cross-reference table
// starts, and "%%EOF" ends the file: a write that came short anywhere
// leaves the end missing or the table elsewhere.
bool PdfIsWhole(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::string text {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.good() && !in.eof())
        return false;
    if (!text.starts_with("%PDF-"))
        return false;
    const size_t end = text.find_last_not_of("\r\n ");
    if (end == std::string::npos || end < 4 || text.compare(end - 4, 5, "%%EOF") != 0)
        return false;
    const size_t mark = text.rfind("startxref");
    if (mark == std::string::npos)
        return false;
    size_t offset = 0;
    const char* first = text.data() + mark + 9;
    while (first < text.data() + end && std::isspace(static_cast<unsigned char>(*first)))
        ++first;
    const auto [last, error] = std::from_chars(first, text.data() + end, offset);
    return error == std::errc() && last != first && offset < text.size() && text.compare(offset, 4, "xref") == 0;
}

// Asks the file system to put the file on disk, so that a full disk shows
// now and not after the file took its place.
bool SyncFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

} // namespace

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

bool PrinterSurface::CanWritePartial()
{
    const int fd = ::open(partialPath_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (fd >= 0) {
        ::close(fd);
        return true;
    }
    error_ = "Cannot write " + pdfPath_ + ": " + std::strerror(errno) + ".";
    return false;
}

// A printer that cannot start is not asked again: every later primitive is
// dropped, rather than each warning that the painter is not active.
QPainter& PrinterSurface::Painter()
{
    if (!painter_.isActive() && !ended_ && !failed_) {
        if ((!partialPath_.empty() && !CanWritePartial()) || !painter_.begin(printer_.get()))
            failed_ = true;
    }
    return painter_;
}

void PrinterSurface::StartSpooledPage()
{
    spooled_.push_back(Page {printer_->pageLayout(), {}});
}

void PrinterSurface::Draw(std::function<void()> primitive)
{
    if (ended_)
        return;
    if (!spooling_) {
        if (Painter().isActive())
            primitive();
        return;
    }
    if (spooled_.empty())
        StartSpooledPage();
    spooled_.back().primitives.push_back(std::move(primitive));
}

// Spooled, the first page takes the layout as soon as it is set; each later
// page takes the one set before its NewPage.
void PrinterSurface::ResetDC(const DevMode& mode)
{
    if (ended_)
        return;
    printer_->setPageLayout(LayoutFor(mode, printer_->pageLayout()));
    if (spooling_ && spooled_.empty())
        StartSpooledPage();
}

bool PrinterSurface::NewPage()
{
    if (ended_)
        return false;
    if (spooling_) {
        if (spooled_.empty())
            StartSpooledPage();
        StartSpooledPage();
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
        // The kept pages go to the printer as one job, each on its paper.
        std::vector<Page> pages = std::move(spooled_);
        spooled_.clear();
        spooling_ = false;
        for (size_t page = 0; page < pages.size() && !failed_; ++page) {
            printer_->setPageLayout(pages[page].layout);
            if (page > 0 && !NewPage())
                break;
            for (const std::function<void()>& primitive : pages[page].primitives)
                Draw(primitive);
        }
    }
    Painter();
    ended_ = true;
    if (painter_.isActive() && !painter_.end())
        failed_ = true;
    if (partialPath_.empty())
        return !failed_;
    if (!failed_ && (!SyncFile(partialPath_) || !PdfIsWhole(partialPath_))) {
        failed_ = true;
        std::error_code spaceError;
        const std::filesystem::space_info space
            = std::filesystem::space(std::filesystem::path(partialPath_).parent_path(), spaceError);
        error_ = !spaceError && space.available < 64 * 1024
            ? "There is not enough space on the disk to write " + pdfPath_ + "."
            : pdfPath_ + " could not be written whole.";
    }
    std::error_code error;
    if (!failed_) {
        std::filesystem::rename(partialPath_, pdfPath_, error);
        if (error) {
            failed_ = true;
            error_ = "Cannot replace " + pdfPath_ + ": " + error.message() + ".";
        }
    }
    if (failed_)
        std::filesystem::remove(partialPath_, error);
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

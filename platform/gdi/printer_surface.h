// A printer's pages through Qt's printing: an installed printer, or a PDF
// file, which is always available. Only a document that ends well is
// printed: a PDF is written beside its place and takes that place when the
// document ends, and an installed printer gets its pages then, so a failed
// or abandoned job prints nothing and leaves an earlier PDF untouched. A PDF
// takes its place only when the file on disk is whole.
#pragma once

#include "platform/gdi/painter_surface.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QPrinter;

namespace gdi {

class PrinterSurface : public PainterSurface {
public:
    // PDF output to a file on paper of the given size (Letter unless said),
    // printing to the paper's edges.
    static std::unique_ptr<PrinterSurface> ForPdf(
        const std::string& path, QPageSize::PageSizeId paper = QPageSize::Letter, int dpi = 600);
    // PDF output on paper of any size.
    static std::unique_ptr<PrinterSurface> ForPdf(const std::string& path, const QPageSize& paper, int dpi);
    // An installed printer by name; the default printer for an empty name.
    // Null when there is no such printer.
    static std::unique_ptr<PrinterSurface> ForPrinter(const std::string& name);
    // The paper and orientation a device mode asks for, from the given
    // layout's (its margins kept); fields the mode does not set stay.
    static QPageLayout LayoutFor(const DevMode& mode, const QPageLayout& from);
    ~PrinterSurface() override;

    // Ends the current page and starts the next. False when the printer fails.
    bool NewPage() override;
    // Ends the document (also done when the surface is destroyed). False when
    // the printer failed at any point.
    bool EndDoc() override;
    // Abandons the document: nothing of it is printed, and the PDF printer
    // removes its partial file.
    void AbortDoc() override;
    // The paper and orientation of the next page (of the first, before
    // anything is drawn).
    void ResetDC(const DevMode& mode) override;
    // Why the job failed, for the user ("" when it did not, or when the
    // printer gave no reason).
    const std::string& ErrorText() const { return error_; }

    DeviceKind Kind() const override { return DeviceKind::Printer; }
    int DpiX() const override;
    int DpiY() const override;
    SIZE PixelSize() const override;
    POINT PhysicalOffset() const override;
    SIZE PhysicalSize() const override;

    void Rectangle(const DrawState& s, const RECT& r) override;
    void RoundRect(const DrawState& s, const RECT& r, int ellipseWidth, int ellipseHeight) override;
    void Ellipse(const DrawState& s, const RECT& r) override;
    void Polygon(const DrawState& s, const std::vector<POINT>& points) override;
    void Polyline(const DrawState& s, const std::vector<POINT>& points) override;
    void PatBlt(const DrawState& s, const RECT& r, uint32_t rop) override;
    void FillRegion(const DrawState& s, const Region& region) override;
    void FocusRect(const DrawState& s, const RECT& r) override;
    void StretchBlt(const DrawState& s, const RECT& dest, const Bitmap& source, const RECT& src, uint32_t rop) override;
    void TextOut(const DrawState& s, const TextRun& run) override;

protected:
    QPainter& Painter() override;

private:
    PrinterSurface(std::unique_ptr<QPrinter> printer, std::string pdfPath = {});

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    // PDF output: the file asked for, and the one being written.
    std::string pdfPath_;
    std::string partialPath_;
    // An installed printer's pages are kept, as the primitives drawn on
    // them, until the document ends: Qt hands a job to the print system
    // when its painting ends and cannot take it back, so an abandoned job
    // must never reach the printer.
    struct Page {
        QPageLayout layout;
        std::vector<std::function<void()>> primitives;
    };
    void Draw(std::function<void()> primitive);
    // A spooled page on the printer's paper as it now stands.
    void StartSpooledPage();
    // The partial PDF can be made; said why when not.
    bool CanWritePartial();
    // After the PDF's painting ended: the partial file is whole on disk.
    bool CheckPartial();
    bool spooling_ = false;
    std::vector<Page> spooled_;
    bool failed_ = false;
    bool ended_ = false;
    std::string error_;
};

// Names of the installed printers (without the PDF printer), and the default
// one ("" when none is installed: the PDF printer is the default then).
std::vector<std::string> InstalledPrinters();
std::string DefaultPrinter();

} // namespace gdi

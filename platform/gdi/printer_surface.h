// A printer's pages through Qt's printing: an installed printer, or a PDF
// file, which is always available.
#pragma once

#include "platform/gdi/painter_surface.h"

#include <QPageSize>
#include <QPainter>
#include <memory>
#include <string>
#include <vector>

class QPrinter;

namespace gdi {

class PrinterSurface : public PainterSurface {
public:
    // PDF output to a file on paper of the given size (Letter unless said),
    // printing to the paper's edges.
    static std::unique_ptr<PrinterSurface> ForPdf(const std::string& path, QPageSize::PageSizeId paper = QPageSize::Letter,
                                                  int dpi = 600);
    // PDF output on paper of any size.
    static std::unique_ptr<PrinterSurface> ForPdf(const std::string& path, const QPageSize& paper, int dpi);
    // An installed printer by name; the default printer for an empty name.
    // Null when there is no such printer.
    static std::unique_ptr<PrinterSurface> ForPrinter(const std::string& name);
    ~PrinterSurface() override;

    // Ends the current page and starts the next. False when the printer fails.
    bool NewPage();
    // Ends the document (also done when the surface is destroyed). False when
    // the printer failed at any point.
    bool EndDoc();

    DeviceKind Kind() const override { return DeviceKind::Printer; }
    int DpiX() const override;
    int DpiY() const override;
    SIZE PixelSize() const override;
    POINT PhysicalOffset() const override;
    SIZE PhysicalSize() const override;

protected:
    QPainter& Painter() override;

private:
    explicit PrinterSurface(std::unique_ptr<QPrinter> printer);

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    bool failed_ = false;
    bool ended_ = false;
};

// Names of the installed printers (without the PDF printer), and the default
// one ("" when none is installed: the PDF printer is the default then).
std::vector<std::string> InstalledPrinters();
std::string DefaultPrinter();

} // namespace gdi

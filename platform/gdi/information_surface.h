// A device that is measured but not drawn on (GDI's information context): a
// printer's or the screen's resolution and page, without starting a print job.
#pragma once

#include "platform/gdi/surface.h"

#include <memory>
#include <string>

namespace gdi {

class InformationSurface : public Surface {
public:
    InformationSurface(
        DeviceKind kind, int dpiX, int dpiY, SIZE pixelSize, POINT physicalOffset = {}, SIZE physicalSize = {});

    // An installed printer by name (the default printer for an empty name),
    // with its resolution and paper; null when there is no such printer.
    static std::unique_ptr<InformationSurface> ForPrinter(const std::string& name);
    // The PDF printer: 600 dpi, Letter paper printed to its edges.
    static std::unique_ptr<InformationSurface> ForPdf();
    // The screen: 96 dpi, the size of the primary screen.
    static std::unique_ptr<InformationSurface> ForScreen();

    DeviceKind Kind() const override { return kind_; }
    int DpiX() const override { return dpiX_; }
    int DpiY() const override { return dpiY_; }
    SIZE PixelSize() const override { return size_; }
    POINT PhysicalOffset() const override { return offset_; }
    SIZE PhysicalSize() const override { return physical_; }

    // Drawing does nothing.
    void Rectangle(const DrawState&, const RECT&) override {}
    void RoundRect(const DrawState&, const RECT&, int, int) override {}
    void Ellipse(const DrawState&, const RECT&) override {}
    void Polygon(const DrawState&, const std::vector<POINT>&) override {}
    void Polyline(const DrawState&, const std::vector<POINT>&) override {}
    void PatBlt(const DrawState&, const RECT&, uint32_t) override {}
    void FillRegion(const DrawState&, const Region&) override {}
    void FocusRect(const DrawState&, const RECT&) override {}
    void StretchBlt(const DrawState&, const RECT&, const Bitmap&, const RECT&, uint32_t) override {}
    void TextOut(const DrawState&, const TextRun&) override {}

private:
    DeviceKind kind_;
    int dpiX_;
    int dpiY_;
    SIZE size_;
    POINT offset_;
    SIZE physical_;
};

} // namespace gdi

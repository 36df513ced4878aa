// A surface that draws nothing and logs every primitive with its resolved
// arguments (device coordinates, pen, brush, font, raster modes), so that
// tests can check drawing exactly.
#pragma once

#include "platform/gdi/surface.h"

#include <string>
#include <vector>

namespace gdi {

struct RecordedCall {
    std::string name; // "Rectangle", "TextOut", ...
    std::vector<POINT> points; // device coordinates: corners, vertices or origin
    std::vector<int> values; // further numbers: ellipse size, raster op, source rectangle
    DrawState state;
    std::string text; // TextOut: the text
    LOGFONT font; // TextOut: the font as selected
    int fontHeight = 0; // TextOut: em height in device pixels
    std::vector<int> positions; // TextOut: each character's device offset, when given

    // One line: name, points, values, then pen, brush, colours and modes,
    // e.g. "Rectangle (10,10) (50,40) pen=solid/0/000000 brush=solid/FFFFFF rop2=13".
    std::string ToString() const;
};

class RecordingSurface : public Surface {
public:
    explicit RecordingSurface(DeviceKind kind = DeviceKind::Window, int dpiX = 96, int dpiY = 96,
        SIZE pixelSize = {1000, 1000}, POINT physicalOffset = {});

    const std::vector<RecordedCall>& Calls() const { return calls_; }
    // Every call's ToString(), in order.
    std::vector<std::string> Lines() const;
    void Clear() { calls_.clear(); }

    DeviceKind Kind() const override { return kind_; }
    int DpiX() const override { return dpiX_; }
    int DpiY() const override { return dpiY_; }
    SIZE PixelSize() const override { return size_; }
    POINT PhysicalOffset() const override { return offset_; }

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
    // The job's calls are logged by name ("NewPage", "EndDoc", "AbortDoc",
    // and "ResetDC" with the orientation, paper code, length and width).
    bool NewPage() override;
    bool EndDoc() override;
    void AbortDoc() override;
    void ResetDC(const DevMode& mode) override;

private:
    RecordedCall& Add(std::string name, const DrawState& s);

    DeviceKind kind_;
    int dpiX_;
    int dpiY_;
    SIZE size_;
    POINT offset_;
    std::vector<RecordedCall> calls_;
};

} // namespace gdi

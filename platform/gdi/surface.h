// What a device context draws on: a device's resolution and size, and the
// primitives in device coordinates with every argument already resolved.
#pragma once

#include "platform/gdi/bitmap.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/font.h"
#include "platform/gdi/pen.h"
#include "platform/gdi/printer_dev_mode.h"
#include "platform/gdi/region.h"
#include "platform/gdi/types.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gdi {

class FontFace;

// The state a primitive is drawn with. The pen's width is in device pixels
// (0 for a one-pixel pen); the clip region in device coordinates.
struct DrawState {
    Pen pen;
    Brush brush;
    COLORREF textColour = 0;
    COLORREF bkColour = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    POINT brushOrg;
    std::optional<Region> clip;
};

// A line of text placed on the device: the top-left corner of its first
// character cell, the font as selected (logical height) and resolved
// (measures in twips), and the scale from twips to device pixels.
struct TextRun {
    POINT origin;
    std::string text; // Windows-1252
    LOGFONT logfont;
    std::shared_ptr<const FontFace> face;
    double devicePerTwipX = 1;
    double devicePerTwipY = 1;
    int deviceHeight = 0; // the em height in device pixels, rounded
    // Where each character starts, in device pixels along the baseline from
    // the origin; empty: each follows the previous by the font's advance.
    std::vector<int> positions;
};

class Surface {
public:
    virtual ~Surface() = default;

    virtual DeviceKind Kind() const = 0;
    virtual int DpiX() const = 0;
    virtual int DpiY() const = 0;
    // Drawable size in pixels.
    virtual SIZE PixelSize() const = 0;
    // Printer: the distance of the drawable area from the paper's corner.
    virtual POINT PhysicalOffset() const { return {}; }
    // Printer: the paper size in pixels; elsewhere the drawable size.
    virtual SIZE PhysicalSize() const { return PixelSize(); }
    virtual bool IsMonochrome() const { return false; }

    // A printer's job: ends the current page and starts the next, ends the
    // document, or abandons it so that nothing of it is printed. False when
    // the device failed; devices without a job have nothing to do.
    virtual bool NewPage() { return true; }
    virtual bool EndDoc() { return true; }
    virtual void AbortDoc() {}
    // A printer's paper and orientation for the pages that follow: set
    // before the first page is drawn, or before NewPage for the next one.
    virtual void ResetDC(const DevMode&) {}

    // Rectangle-like shapes cover [left, right) × [top, bottom) with the pen's
    // stroke; the fill lies inside the stroke.
    virtual void Rectangle(const DrawState& s, const RECT& r) = 0;
    virtual void RoundRect(const DrawState& s, const RECT& r, int ellipseWidth, int ellipseHeight) = 0;
    virtual void Ellipse(const DrawState& s, const RECT& r) = 0;
    virtual void Polygon(const DrawState& s, const std::vector<POINT>& points) = 0;
    // Lines through the points, the last point not drawn.
    virtual void Polyline(const DrawState& s, const std::vector<POINT>& points) = 0;
    // Fills with the state's brush by a raster operation (PATCOPY, PATINVERT,
    // DSTINVERT, PATNOT); the pen and the ROP2 mode play no part.
    virtual void PatBlt(const DrawState& s, const RECT& r, uint32_t rop) = 0;
    // Fills a region with the state's brush.
    virtual void FillRegion(const DrawState& s, const Region& region) = 0;
    // Inverts every other pixel along the rectangle's edge.
    virtual void FocusRect(const DrawState& s, const RECT& r) = 0;
    // Copies a part of a bitmap, stretched to the destination; a monochrome
    // bitmap's 0 bits take the text colour and its 1 bits the background
    // colour unless the device itself is monochrome.
    virtual void StretchBlt(const DrawState& s, const RECT& dest, const Bitmap& source, const RECT& src, uint32_t rop)
        = 0;
    virtual void TextOut(const DrawState& s, const TextRun& run) = 0;
};

} // namespace gdi

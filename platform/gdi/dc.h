// A device context with GDI's model: a mapping from logical to device units,
// selected pen, brush and font, colours and modes, a clip region, a stack of
// saved states, and the primitives, drawn on a Surface.
#pragma once

#include "platform/gdi/bitmap.h"
#include "platform/gdi/brush.h"
#include "platform/gdi/font.h"
#include "platform/gdi/font_families.h"
#include "platform/gdi/mapping.h"
#include "platform/gdi/pen.h"
#include "platform/gdi/region.h"
#include "platform/gdi/surface.h"
#include "platform/gdi/types.h"

#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace gdi {

class FontFace;

class DC {
public:
    // The surface must outlive the context. Several contexts may draw on one
    // surface at once, each with its own state.
    explicit DC(Surface& surface);

    Surface& GetSurface() const { return surface_; }
    DeviceKind Kind() const { return surface_.Kind(); }
    bool IsPrinting() const;
    // HORZRES, VERTRES, LOGPIXELSX, LOGPIXELSY, PHYSICALWIDTH, PHYSICALHEIGHT,
    // PHYSICALOFFSETX, PHYSICALOFFSETY; 0 for anything else.
    int GetDeviceCaps(int index) const;

    // Mapping. Each setter answers the previous value; SetMapMode answers 0
    // for a mode other than MM_TEXT and MM_ANISOTROPIC. Extents apply in
    // MM_ANISOTROPIC only; a zero extent is refused and leaves the old one.
    int SetMapMode(int mode);
    int GetMapMode() const { return state_.mapping.mode; }
    POINT SetWindowOrg(int x, int y);
    POINT SetViewportOrg(int x, int y);
    SIZE SetWindowExt(int cx, int cy);
    SIZE SetViewportExt(int cx, int cy);
    POINT GetWindowOrg() const { return state_.mapping.windowOrg; }
    POINT GetViewportOrg() const { return state_.mapping.viewportOrg; }
    SIZE GetWindowExt() const { return state_.mapping.EffectiveWindowExt(); }
    SIZE GetViewportExt() const { return state_.mapping.EffectiveViewportExt(); }
    const Mapping& GetMapping() const { return state_.mapping; }
    void LPtoDP(POINT* points, int count) const;
    void DPtoLP(POINT* points, int count) const;
    RECT LPtoDP(const RECT& r) const;
    RECT DPtoLP(const RECT& r) const;

    // Objects and attributes; each answers the previous one, or 0 for a mode
    // it does not know (the mode is then unchanged). ROP2 modes: R2_COPYPEN,
    // R2_XORPEN, R2_NOT and R2_MASKNOTPEN.
    Pen SelectObject(const Pen& pen);
    Brush SelectObject(const Brush& brush);
    Font SelectObject(const Font& font);
    const Pen& GetPen() const { return state_.pen; }
    const Brush& GetBrush() const { return state_.brush; }
    const Font& GetFont() const { return state_.font; }
    COLORREF SetTextColor(COLORREF colour);
    COLORREF SetBkColor(COLORREF colour);
    int SetBkMode(int mode);
    int SetROP2(int mode);
    int SetPolyFillMode(int mode);
    POINT SetBrushOrg(int x, int y); // device units
    COLORREF GetTextColor() const { return state_.textColour; }
    COLORREF GetBkColor() const { return state_.bkColour; }
    int GetBkMode() const { return state_.bkMode; }
    int GetROP2() const { return state_.rop2; }
    POINT GetBrushOrg() const { return state_.brushOrg; }

    // Saves the whole state; answers the new depth (1 for the first save).
    int SaveDC();
    // level > 0: back to the state saved at that depth; level < 0: that many
    // saves back. False when there is no such saved state.
    bool RestoreDC(int level);

    // Clipping. Regions are in device units and copied; rectangles logical.
    // A picture context does not clip: these answer ERROR there.
    int SelectClipRgn(const Region* region);
    // The clip combined with region by mode (RGN_AND narrows it); without a
    // clip, region becomes the clip.
    int ExtSelectClipRgn(const Region& region, int mode);
    int ExcludeClipRect(int left, int top, int right, int bottom);
    // 1 and a copy of the clip region when there is one, else 0.
    int GetClipRgn(Region& out) const;
    bool RectVisible(const RECT& r) const;
    int GetClipBox(RECT& box) const;

    // Primitives in logical units.
    POINT MoveTo(int x, int y);
    POINT GetCurrentPosition() const { return state_.position; }
    void LineTo(int x, int y);
    void Polyline(const std::vector<POINT>& points);
    void Polygon(const std::vector<POINT>& points);
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void Ellipse(int left, int top, int right, int bottom);
    // Fills with the given brush; the selected pen and brush stay.
    void FillRect(const RECT& r, const Brush& brush);
    // The region is in device units.
    void FillRgn(const Region& region, const Brush& brush);
    bool PatBlt(int x, int y, int width, int height, uint32_t rop);
    void DrawFocusRect(const RECT& r);
    // Inverts every pixel of the rectangle.
    bool InvertRect(const RECT& r);
    bool BitBlt(int x, int y, int width, int height, const Bitmap& source, int sx, int sy, uint32_t rop);
    bool StretchBlt(
        int x, int y, int width, int height, const Bitmap& source, int sx, int sy, int sw, int sh, uint32_t rop);

    // Text (Windows-1252). TextOut places the top-left corner of the first
    // character cell at (x, y); the selected font's escapement turns the line.
    bool TextOut(int x, int y, std::string_view text);
    // Text output at a reference point placed by the text alignment. dx
    // gives each character's advance in logical units (null: the font's).
    // ETO_OPAQUE fills the rectangle with the background colour first;
    // ETO_CLIPPED clips the text to it. The rectangle is logical and may be
    // null when neither option is given.
    bool ExtTextOut(int x, int y, unsigned options, const RECT* rect, std::string_view text, const int* dx);
    // TA_LEFT, TA_RIGHT or TA_CENTER with TA_TOP, TA_BOTTOM or TA_BASELINE;
    // answers the previous alignment. TextOut and ExtTextOut follow it.
    unsigned SetTextAlign(unsigned align);
    unsigned GetTextAlign() const { return state_.textAlign; }
    SIZE GetTextExtent(std::string_view text) const;
    bool GetTextMetrics(TEXTMETRIC& metrics) const;
    // Advance widths of the 256 codes, in logical units.
    std::array<int, 256> GetCharWidths() const;
    // DT_LEFT or DT_CENTER, DT_WORDBREAK, DT_NOPREFIX (the text is drawn as it
    // stands), DT_CALCRECT (measure only: the rectangle's right and bottom are
    // set). Lines break at CR, LF and CR LF; a word wider than the rectangle
    // stays whole and is clipped. Answers the text's height (0 for no text).
    int DrawText(std::string_view text, RECT& r, unsigned format);
    // The font families the device offers; an empty face lists them all.
    std::vector<FontFamily> EnumFontFamilies(std::string_view face) const;

private:
    struct State {
        Mapping mapping;
        Pen pen = GetStockPen(BLACK_PEN);
        Brush brush = GetStockBrush(WHITE_BRUSH);
        Font font = GetDefaultFont();
        COLORREF textColour = 0;
        COLORREF bkColour = 0xFFFFFF;
        int bkMode = OPAQUE;
        int rop2 = R2_COPYPEN;
        int polyFillMode = ALTERNATE;
        unsigned textAlign = TA_LEFT | TA_TOP;
        POINT brushOrg;
        POINT position;
        std::optional<Region> clip;
    };

    DrawState Resolve() const;
    std::vector<POINT> ToDevice(const std::vector<POINT>& points) const;
    Region DeviceBounds() const;
    int ClipType() const;
    // Logical units per twip, along x and y.
    double LogicalPerTwipX() const;
    double LogicalPerTwipY() const;
    std::shared_ptr<const FontFace> Face() const;
    // A run whose reference point (x, y) is placed by the text alignment;
    // dx as ExtTextOut takes it.
    TextRun MakeRun(int x, int y, std::string_view text, const int* dx = nullptr) const;

    Surface& surface_;
    State state_;
    std::vector<State> saved_;
};

} // namespace gdi

#include "forms/model/font_metrics_cache.h"

#include "forms/model/logical_font.h"
#include "forms/model/program_fonts.h"
#include "forms/model/screen_surface.h"

#include "platform/gdi/muldiv.h"

#include <algorithm>
#include <memory>

namespace {

constexpr int kMetricsEntries = 30;
constexpr int kWidthEntries = 20;
constexpr uint8_t kPrinterKind = 2;
constexpr int32_t kUnitScale = 100;

FONTMETRICSCACHE* g_cache = nullptr;

// Letter weights a to z of the weighted mean width; they add up to 448.
constexpr int kLetterWeights[26]
    = {29, 7, 14, 15, 59, 9, 9, 24, 28, 0, 4, 18, 9, 31, 32, 15, 4, 30, 27, 49, 13, 2, 8, 2, 10, 0};

FONTMETRICSCACHE::Key MakeKey(
    uint8_t kind, uint16_t printerId, uint8_t printerMode, const TEXTATTR& attr, int32_t scale, int16_t escapement)
{
    return {true, kind, printerId, printerMode, attr.face, attr.size, attr.bold, attr.italic, scale, escapement};
}

// Moves the entry of the key to the head, reusing the last entry on a miss;
// answers whether it was a hit.
template<typename Entry>
bool Lookup(std::list<Entry>& list, const FONTMETRICSCACHE::Key& key)
{
    auto it = std::find_if(list.begin(), list.end(), [&](const Entry& e) { return e.key == key; });
    const bool hit = it != list.end();
    if (!hit)
        it = std::prev(list.end());
    list.splice(list.begin(), list, it);
    return hit;
}

// Borrows the printer's context from the program's printers; the screen
// stands in when the program has none.
class BorrowedPrinter {
public:
    BorrowedPrinter(uint16_t id, uint8_t mode)
        : fonts(GetProgramFonts())
        , dc(fonts.GetPrinterDC(id, mode))
    {
        if (!dc) {
            own = std::make_unique<gdi::DC>(ScreenSurface());
            dc = own.get();
        }
    }
    ~BorrowedPrinter()
    {
        if (!own)
            fonts.ReleasePrinterDC();
    }
    BorrowedPrinter(const BorrowedPrinter&) = delete;
    BorrowedPrinter& operator=(const BorrowedPrinter&) = delete;

    gdi::DC& Get() { return *dc; }

private:
    PROGRAM_FONTS& fonts;
    gdi::DC* dc;
    std::unique_ptr<gdi::DC> own;
};

// The metrics of a device font in the device's pixels, with height, ascent,
// descent and internal leading then turned into twips; the context's font
// and mapping are left as they were.
gdi::TEXTMETRIC MeasureInTwips(gdi::DC& dc, const TEXTATTR& attr, int16_t escapement)
{
    const int mode = dc.GetMapMode();
    const gdi::SIZE windowExt = dc.GetWindowExt();
    const gdi::SIZE viewportExt = dc.GetViewportExt();
    gdi::LOGFONT logfont;
    MakeDeviceFont(dc, attr, logfont, escapement);
    const gdi::Font old = dc.SelectObject(gdi::Font(logfont));
    dc.SetMapMode(gdi::MM_TEXT);
    gdi::TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    dc.SelectObject(old);
    dc.SetMapMode(mode);
    dc.SetWindowExt(windowExt.cx, windowExt.cy);
    dc.SetViewportExt(viewportExt.cx, viewportExt.cy);
    const int dpi = dc.GetDeviceCaps(gdi::LOGPIXELSY);
    for (int32_t* v : {&tm.tmHeight, &tm.tmAscent, &tm.tmDescent, &tm.tmInternalLeading})
        *v = gdi::MulDiv(*v, 1440, dpi);
    return tm;
}

// Advance widths of the format in the context's logical units.
void MeasureWidths(gdi::DC& dc, const TEXTATTR& attr, int16_t escapement, std::array<int16_t, 256>& out)
{
    gdi::LOGFONT logfont;
    MakeLogicalFont(attr, logfont, escapement);
    const gdi::Font old = dc.SelectObject(gdi::Font(logfont));
    const std::array<int, 256> widths = dc.GetCharWidths();
    dc.SelectObject(old);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<int16_t>(std::clamp(widths[i], -32768, 32767));
}

} // namespace

FONTMETRICSCACHE::FONTMETRICSCACHE()
    : metrics(kMetricsEntries)
    , printerWidths(kWidthEntries)
    , screenWidths(kWidthEntries)
{}

void FONTMETRICSCACHE::GetFont(uint8_t kind, uint16_t printerId, uint8_t printerMode, const TEXTATTR& attr,
    int16_t escapement, gdi::TEXTMETRIC* layout, gdi::TEXTMETRIC* screen)
{
    const Key key = MakeKey(kind, printerId, printerMode, attr, kUnitScale, escapement);
    if (!Lookup(metrics, key)) {
        MetricsEntry& entry = metrics.front();
        BorrowedPrinter printer(printerId, printerMode);
        const gdi::TEXTMETRIC onPrinter = MeasureInTwips(printer.Get(), attr, escapement);
        gdi::DC screenDc(ScreenSurface());
        entry.screen = MeasureInTwips(screenDc, attr, escapement);
        entry.layout = entry.screen.tmHeight > onPrinter.tmHeight ? entry.screen : onPrinter;
        entry.key = key;
    }
    if (layout)
        *layout = metrics.front().layout;
    if (screen)
        *screen = metrics.front().screen;
}

const int16_t* FONTMETRICSCACHE::GetCharWidths(
    uint16_t printerId, uint8_t printerMode, const TEXTATTR& attr, int16_t escapement)
{
    const Key key = MakeKey(kPrinterKind, printerId, printerMode, attr, kUnitScale, escapement);
    if (!Lookup(printerWidths, key)) {
        WidthsEntry& entry = printerWidths.front();
        BorrowedPrinter printer(printerId, printerMode);
        MeasureWidths(printer.Get(), attr, escapement, entry.widths);
        entry.key = key;
    }
    return printerWidths.front().widths.data();
}

const int16_t* FONTMETRICSCACHE::GetScreenCharWidths(
    gdi::DC& dc, uint8_t deviceKind, uint16_t printerId, uint8_t printerMode, const TEXTATTR& attr, int16_t escapement)
{
    const int32_t scale = gdi::MulDiv(1440, dc.GetViewportExt().cx, dc.GetWindowExt().cx);
    const Key key = MakeKey(deviceKind, printerId, printerMode, attr, scale, escapement);
    if (Lookup(screenWidths, key))
        return screenWidths.front().widths.data();
    WidthsEntry& entry = screenWidths.front();
    entry.key = {};
    MeasureWidths(dc, attr, escapement, entry.widths);
    // Both tables are in twips, so their means compare directly.
    const int16_t* onPrinter = GetCharWidths(printerId, printerMode, attr, escapement);
    const int adjustment = WidthAdjustment(WeightedMeanWidth(entry.widths.data()), WeightedMeanWidth(onPrinter));
    if (adjustment != 0) {
        for (int16_t& w : entry.widths) {
            if (w > 0)
                w = static_cast<int16_t>(std::clamp(w + adjustment, 1, 32767));
        }
    }
    entry.key = key;
    return entry.widths.data();
}

void FONTMETRICSCACHE::Invalidate()
{
    for (MetricsEntry& e : metrics)
        e.key.valid = false;
    for (WidthsEntry& e : printerWidths)
        e.key.valid = false;
}

bool FONTMETRICSCACHE::HasMetrics(
    uint8_t kind, uint16_t printerId, uint8_t printerMode, const TEXTATTR& attr, int16_t escapement) const
{
    const Key key = MakeKey(kind, printerId, printerMode, attr, kUnitScale, escapement);
    return std::any_of(metrics.begin(), metrics.end(), [&](const MetricsEntry& e) { return e.key == key; });
}

int WeightedMeanWidth(const int16_t* widths)
{
    int32_t sum = 0;
    for (int i = 0; i < 26; ++i)
        sum += widths['a' + i] * kLetterWeights[i];
    return gdi::MulDiv(sum, 10, 448);
}

int WidthAdjustment(int screenMean, int printerMean)
{
    const int d = printerMean - screenMean;
    int adjustment = d / 11;
    if (2 * (d % 11) > 11)
        ++adjustment;
    if (adjustment < 0) {
        int limit = screenMean / 70;
        if (2 * (screenMean % 70) > 70)
            ++limit;
        adjustment = std::max(adjustment, -limit);
    }
    return adjustment;
}

FONTMETRICSCACHE* GetFontMetricsCache()
{
    return g_cache;
}

void SetFontMetricsCache(FONTMETRICSCACHE* cache)
{
    g_cache = cache;
}

#include "forms/fields/richtext/line_fonts.h"

#include "forms/fields/richtext/textdrawinfo.h"
#include "forms/model/font_metrics_cache.h"

#include <algorithm>

namespace {

// Lines are laid out with the printer's metrics whatever the device.
constexpr uint8_t kLayoutKind = 2;

void Copy(const int16_t* widths, CHARWIDTHS& out)
{
    if (widths)
        std::copy(widths, widths + out.size(), out.begin());
    else
        out.fill(0);
}

} // namespace

void GetLayoutWidths(const TEXTDRAWINFO& info, const TEXTATTR& attr, uint16_t rotation, CHARWIDTHS& out)
{
    FONTMETRICSCACHE* cache = GetFontMetricsCache();
    Copy(cache ? cache->GetCharWidths(info.printerId, static_cast<uint8_t>(info.slot), attr, int16_t(rotation))
               : nullptr,
        out);
}

void GetScreenWidths(const TEXTDRAWINFO& info, const TEXTATTR& attr, uint16_t rotation, CHARWIDTHS& out)
{
    FONTMETRICSCACHE* cache = GetFontMetricsCache();
    if (!cache || !info.dc) {
        GetLayoutWidths(info, attr, rotation, out);
        return;
    }
    Copy(cache->GetScreenCharWidths(
             *info.dc, info.mode, info.printerId, static_cast<uint8_t>(info.slot), attr, int16_t(rotation)),
        out);
}

gdi::TEXTMETRIC GetLayoutMetrics(const TEXTDRAWINFO& info, const TEXTATTR& attr, uint16_t rotation)
{
    gdi::TEXTMETRIC tm;
    if (FONTMETRICSCACHE* cache = GetFontMetricsCache())
        cache->GetFont(
            kLayoutKind, info.printerId, static_cast<uint8_t>(info.slot), attr, int16_t(rotation), &tm, nullptr);
    return tm;
}

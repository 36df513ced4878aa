// Drawing a number field's value: through its mask with the widths of the
// field's font, or its error marker, clipped to the field.
#include "forms/fields/datatypes/datatype_texts.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/model/default_printer.h"
#include "forms/model/font_cache.h"
#include "forms/model/font_metrics_cache.h"
#include "forms/model/viewdc.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

// Values are laid out by the default printer's character widths, as all
// text that the drawing context does not tie to a page's printer.
constexpr uint8_t kLayoutSlot = 0;

constexpr uint8_t kValueRight = 1;
constexpr uint8_t kValueCentre = 3;

} // namespace

int NUMBERDATATYPE::Draw(
    VIEWDC& dc, const RECT& rect, TEXTATTR attr, uint8_t alignment, uint16_t, FORMOBJ*, uint16_t outputMode)
{
    FONTMETRICSCACHE* metrics = GetFontMetricsCache();
    FONTCACHE* fonts = GetFontCache();
    if (outputMode != kOutputFill || !dc.dc || !metrics || !fonts)
        return 1;
    const RECT area = rect.Normalized().Offset(-dc.originX, -dc.originY);
    std::array<int16_t, 256> charWidths;
    const int16_t* measured = metrics->GetCharWidths(kDefaultPrinterId, kLayoutSlot, attr, 0);
    std::copy(measured, measured + charWidths.size(), charWidths.begin());

    std::string text;
    std::vector<int> widths;
    if (wErrorId) {
        text = MarkerText(wErrorId);
        for (char c : text)
            widths.push_back(charWidths[static_cast<unsigned char>(c)]);
        alignment = 0;
    } else {
        FormatNumber(charWidths.data(), text, widths, area.right - area.left);
    }
    if (text.empty())
        return 1;
    const uint32_t colour = GetValueColour();
    if (colour != kFieldColour)
        attr.colour = colour;

    const int total = std::accumulate(widths.begin(), widths.end(), 0);
    int32_t x = area.left;
    if (alignment == kValueRight)
        x = area.right - total;
    else if (alignment == kValueCentre)
        x = area.left + (area.right - area.left - total) / 2;

    gdi::DC& device = *dc.dc;
    const int saved = device.SaveDC();
    fonts->GetFont(device, dc.deviceKind, static_cast<uint32_t>(dc.zoomX), attr, 0);
    device.SetBkMode(gdi::TRANSPARENT);
    device.SetTextAlign(gdi::TA_LEFT | gdi::TA_TOP);
    device.ExtTextOut(x, area.top, gdi::ETO_CLIPPED, &area, text, widths.data());
    fonts->Release(device);
    device.RestoreDC(saved);
    return 1;
}

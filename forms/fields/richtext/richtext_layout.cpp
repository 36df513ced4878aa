// Laying out and drawing a whole rich text, line by line.
#include "forms/fields/richtext/richtext.h"
#include "forms/fields/richtext/textdrawinfo.h"
#include "forms/fields/richtext/textline.h"
#include "forms/model/font_cache.h"

#include <algorithm>

TEXTLINE RICHTEXT::StartLayout(const TEXTDRAWINFO& drawInfo)
{
    const int32_t width = bounds.right - bounds.left;
    TEXTLINE line;
    line.Init(kNaturalHeight, rotation, GetStart(), attr, 0, firstLineOffset, &drawInfo, width, this);
    line.Break();
    if (fitHeight != kNaturalHeight) {
        firstLineOffset = static_cast<uint16_t>(std::max(0, int32_t(line.height) - int32_t(fitHeight)));
        line.Init(fitHeight, rotation, GetStart(), attr, 0, firstLineOffset, &drawInfo, width, this);
        line.Break();
    }
    return line;
}

int32_t RICHTEXT::Layout(const TEXTDRAWINFO& drawInfo, const TEXTSELECTION* selection, bool draw)
{
    TEXTLINE line = StartLayout(drawInfo);
    const int32_t limit = bounds.bottom - bottomMargin;
    int32_t result = 0;
    for (bool firstLine = true;; firstLine = false) {
        line.Break();
        if (!firstLine && line.GetBaseline() > limit)
            break;
        if (draw)
            line.Draw(drawInfo, selection, opaque != 0);
        result = line.bottom;
        if (line.endKind == kLineEndOfText || line.endKind == kLineNoText)
            break;
        line = line.Next();
    }
    if (draw && drawInfo.dc != nullptr) {
        if (FONTCACHE* fonts = GetFontCache())
            fonts->Release(*drawInfo.dc);
    }
    return result;
}

int32_t RICHTEXT::DrawIn(gdi::DC& dc, POINT origin, uint8_t mode, int8_t slot, uint16_t printerId, const TEXTZOOM& zoom,
    const RECT& rect, uint16_t angle)
{
    const TEXTDRAWINFO info(&dc, origin, mode, slot, printerId, zoom, rect, angle);
    return Layout(info, nullptr, true);
}

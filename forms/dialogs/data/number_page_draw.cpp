#include "forms/dialogs/data/number_page_draw.h"

#include "forms/dialogs/data/number_sample.h"

#include "platform/gdi/palette.h"

#include <algorithm>

void DrawNumberSample(
    gdi::DC& dc, const gdi::RECT& r, const NUMBERDATATYPE* type, uint32_t automatic, const gdi::LOGFONT* font)
{
    dc.FillRect(r, gdi::Brush::Solid(gdi::GetSysColor(gdi::COLOR_BTNFACE)));
    if (!type)
        return;
    const int saved = dc.SaveDC();
    if (font)
        dc.SelectObject(gdi::Font(*font));
    dc.SetBkMode(gdi::TRANSPARENT);
    const double values[] = {kSamplePositive, kSampleNegative, kSampleZero};
    const int column = r.Width() / 3;
    for (int i = 0; i < 3; ++i) {
        const NUMBERSAMPLE sample = FormatSample(*type, values[i], automatic);
        dc.SetTextColor(sample.colour);
        const gdi::SIZE extent = dc.GetTextExtent(sample.text);
        dc.TextOut(r.left + i * column + std::max(0, (column - extent.cx) / 2),
            r.top + std::max(0, (r.Height() - extent.cy) / 2), sample.text);
    }
    dc.RestoreDC(saved);
}

void DrawNegativeStyle(gdi::DC& dc, const gdi::RECT& r, bool selected, const NUMBERCHOICES& choices, int style,
    std::string_view symbol, uint32_t automatic, const gdi::LOGFONT* font)
{
    dc.FillRect(r, gdi::Brush::Solid(gdi::GetSysColor(selected ? gdi::COLOR_HIGHLIGHT : gdi::COLOR_WINDOW)));
    const NUMBERSAMPLE sample = StyleSample(choices, style, symbol, automatic);
    const int saved = dc.SaveDC();
    const gdi::Region clip = gdi::Region::Rect(dc.LPtoDP(r));
    dc.SelectClipRgn(&clip);
    if (font)
        dc.SelectObject(gdi::Font(*font));
    dc.SetBkMode(gdi::TRANSPARENT);
    dc.SetTextColor(sample.colour);
    const gdi::SIZE extent = dc.GetTextExtent(sample.text);
    dc.TextOut(r.left + 2, r.top + (r.Height() - extent.cy) / 2, sample.text);
    dc.RestoreDC(saved);
}

#include "platform/gdi/dc.h"

#include "platform/gdi/font_face.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

namespace gdi {

namespace {

int Round(double v)
{
    return static_cast<int>(std::lround(v));
}

// Splits text into paragraphs at CR LF, CR and LF.
std::vector<std::string_view> Paragraphs(std::string_view text)
{
    std::vector<std::string_view> result;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        result.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    result.push_back(text.substr(start));
    return result;
}

} // namespace

double DC::LogicalPerTwipX() const
{
    return surface_.DpiX() / 1440.0 / state_.mapping.ScaleX();
}

double DC::LogicalPerTwipY() const
{
    return surface_.DpiY() / 1440.0 / state_.mapping.ScaleY();
}

std::shared_ptr<const FontFace> DC::Face() const
{
    const LOGFONT& lf = state_.font.GetLogFont();
    const double height = std::abs(lf.lfHeight) / LogicalPerTwipY();
    const double width = std::abs(lf.lfWidth) / LogicalPerTwipX();
    return FontFace::Get(lf, height, width);
}

TextRun DC::MakeRun(int x, int y, std::string_view text, const int* dx) const
{
    TextRun run;
    run.text = std::string(text);
    run.logfont = state_.font.GetLogFont();
    run.face = Face();
    run.devicePerTwipX = surface_.DpiX() / 1440.0;
    run.devicePerTwipY = surface_.DpiY() / 1440.0;
    run.deviceHeight = Round(run.face->Em() * run.devicePerTwipY);

    // Where each character starts: GDI places character i at the device
    // point of x plus the advances before it, so rounding never accumulates.
    const POINT reference = state_.mapping.LPtoDP({x, y});
    double width = 0;
    if (dx) {
        run.positions.reserve(text.size());
        int sum = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            run.positions.push_back(state_.mapping.LPtoDP({x + sum, y}).x - reference.x);
            sum += dx[i];
        }
        width = state_.mapping.LPtoDP({x + sum, y}).x - reference.x;
    } else {
        width = run.face->TextWidth(text) * run.devicePerTwipX;
    }

    // The offset of the reference point from the first cell's top-left
    // corner, along the text and across it, then turned with the text.
    double along = 0;
    if ((state_.textAlign & TA_CENTER) == TA_CENTER)
        along = width / 2;
    else if (state_.textAlign & TA_RIGHT)
        along = width;
    double across = 0;
    if ((state_.textAlign & TA_BASELINE) == TA_BASELINE)
        across = run.face->Ascent() * run.devicePerTwipY;
    else if (state_.textAlign & TA_BOTTOM)
        across = (run.face->Ascent() + run.face->Descent()) * run.devicePerTwipY;
    const double angle = run.logfont.lfEscapement / 10.0 * std::numbers::pi / 180.0;
    const double c = std::cos(angle);
    const double sn = std::sin(angle);
    run.origin = {reference.x - Round(along * c + across * sn), reference.y - Round(-along * sn + across * c)};
    return run;
}

bool DC::TextOut(int x, int y, std::string_view text)
{
    surface_.TextOut(Resolve(), MakeRun(x, y, text));
    return true;
}

bool DC::ExtTextOut(int x, int y, unsigned options, const RECT* rect, std::string_view text, const int* dx)
{
    DrawState s = Resolve();
    if (rect && (options & ETO_CLIPPED) && Kind() != DeviceKind::Picture) {
        const Region box = Region::Rect(LPtoDP(*rect).Normalized());
        if (s.clip) {
            Region both;
            both.Combine(box, *s.clip, RGN_AND);
            s.clip = both;
        } else {
            s.clip = box;
        }
    }
    if (rect && (options & ETO_OPAQUE)) {
        DrawState fill = s;
        fill.brush = Brush::Solid(state_.bkColour);
        surface_.PatBlt(fill, LPtoDP(*rect).Normalized(), PATCOPY);
    }
    if (!text.empty())
        surface_.TextOut(s, MakeRun(x, y, text, dx));
    return true;
}

unsigned DC::SetTextAlign(unsigned align)
{
    const unsigned previous = state_.textAlign;
    state_.textAlign = align;
    return previous;
}

SIZE DC::GetTextExtent(std::string_view text) const
{
    const auto face = Face();
    const double ky = LogicalPerTwipY();
    return {Round(face->TextWidth(text) * LogicalPerTwipX()), Round(face->Ascent() * ky) + Round(face->Descent() * ky)};
}

bool DC::GetTextMetrics(TEXTMETRIC& tm) const
{
    const auto face = Face();
    const LOGFONT& lf = state_.font.GetLogFont();
    const double kx = LogicalPerTwipX();
    const double ky = LogicalPerTwipY();
    tm = TEXTMETRIC {};
    tm.tmAscent = Round(face->Ascent() * ky);
    tm.tmDescent = Round(face->Descent() * ky);
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max(0, tm.tmHeight - Round(face->Em() * ky));
    tm.tmExternalLeading = Round(face->Leading() * ky);
    tm.tmAveCharWidth = Round(face->AverageWidth() * kx);
    tm.tmMaxCharWidth = Round(face->MaxWidth() * kx);
    tm.tmWeight = lf.lfWeight <= 0 ? FW_NORMAL : lf.lfWeight;
    tm.tmOverhang = 0;
    tm.tmDigitizedAspectX = surface_.DpiX();
    tm.tmDigitizedAspectY = surface_.DpiY();
    tm.tmItalic = lf.lfItalic;
    tm.tmUnderlined = lf.lfUnderline;
    tm.tmStruckOut = lf.lfStrikeOut;
    tm.tmPitchAndFamily = face->PitchAndFamily();
    tm.tmCharSet = lf.lfCharSet;
    return true;
}

std::array<int, 256> DC::GetCharWidths() const
{
    const auto face = Face();
    const double kx = LogicalPerTwipX();
    std::array<int, 256> widths {};
    for (int code = 0; code < 256; ++code)
        widths[code] = Round(face->Advance(static_cast<uint8_t>(code)) * kx);
    return widths;
}

int DC::DrawText(std::string_view text, RECT& r, unsigned format)
{
    if (text.empty()) {
        if (format & DT_CALCRECT) {
            r.right = r.left;
            r.bottom = r.top;
        }
        return 0;
    }
    const auto face = Face();
    const double kx = LogicalPerTwipX();
    TEXTMETRIC tm;
    GetTextMetrics(tm);
    const double available = r.right - r.left;
    auto width = [&](std::string_view s) { return face->TextWidth(s) * kx; };

    std::vector<std::string_view> lines;
    for (std::string_view paragraph : Paragraphs(text)) {
        if (!(format & DT_WORDBREAK)) {
            lines.push_back(paragraph);
            continue;
        }
        // Greedy breaking at spaces; a word wider than the rectangle stays whole.
        size_t lineStart = 0;
        size_t lineEnd = 0; // end of the last word that fits
        size_t pos = 0;
        while (pos < paragraph.size()) {
            size_t wordStart = paragraph.find_first_not_of(' ', pos);
            if (wordStart == std::string_view::npos)
                break;
            size_t wordEnd = paragraph.find(' ', wordStart);
            if (wordEnd == std::string_view::npos)
                wordEnd = paragraph.size();
            if (lineEnd > lineStart && width(paragraph.substr(lineStart, wordEnd - lineStart)) > available) {
                lines.push_back(paragraph.substr(lineStart, lineEnd - lineStart));
                lineStart = wordStart;
            }
            lineEnd = wordEnd;
            pos = wordEnd;
        }
        lines.push_back(paragraph.substr(lineStart, std::max(lineEnd, lineStart) - lineStart));
    }

    const int lineHeight = tm.tmHeight;
    const int height = lineHeight * static_cast<int>(lines.size());
    if (format & DT_CALCRECT) {
        double widest = 0;
        for (std::string_view line : lines)
            widest = std::max(widest, width(line));
        r.right = r.left + Round(widest);
        r.bottom = r.top + height;
        return height;
    }

    DrawState s = Resolve();
    RECT device = LPtoDP(r);
    if (device.left > device.right)
        std::swap(device.left, device.right);
    if (device.top > device.bottom)
        std::swap(device.top, device.bottom);
    Region bounds = Region::Rect(device);
    if (s.clip)
        bounds.Combine(bounds, *s.clip, RGN_AND);
    if (Kind() != DeviceKind::Picture)
        s.clip = bounds;
    // Lines are placed by their top-left corner whatever the text alignment.
    const unsigned align = SetTextAlign(TA_LEFT | TA_TOP);
    int y = r.top;
    for (std::string_view line : lines) {
        int x = r.left;
        if (format & DT_CENTER)
            x += (r.right - r.left - Round(width(line))) / 2;
        surface_.TextOut(s, MakeRun(x, y, line));
        y += lineHeight;
    }
    SetTextAlign(align);
    return height;
}

std::vector<FontFamily> DC::EnumFontFamilies(std::string_view face) const
{
    return EnumInstalledFontFamilies(face);
}

} // namespace gdi

// Writes character_formats.png for a person to look at: text in several
// character formats and turned text, drawn through the font cache with the
// metrics and widths of the metrics cache. Underlines and strike-out are
// drawn as lines under the measured text, as the rich-text layout draws them.
#include "forms/model/font_cache.h"
#include "forms/model/font_metrics_cache.h"
#include "forms/model/textattr.h"
#include "tests/model/font_test_support.h"

#include "platform/gdi/image_surface.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>

namespace {

constexpr int kDpi = 144;

class FontPicture : public ProgramFontsTest {
protected:
    FontPicture()
        : surface(Pixels(8.5), Pixels(4.5), kDpi)
        , dc(surface)
    {
        dc.SetMapMode(gdi::MM_ANISOTROPIC);
        dc.SetWindowExt(1440, 1440);
        dc.SetViewportExt(kDpi, kDpi);
        dc.SetBkMode(gdi::TRANSPARENT);
    }
    static int Pixels(double inches) { return static_cast<int>(inches * kDpi); }

    TEXTATTR Attr(const char* face, uint16_t size, uint32_t colour = 0)
    {
        TEXTATTR a;
        a.Reset();
        a.face = IndexOf(face);
        a.size = size;
        a.colour = colour;
        return a;
    }

    int Width(const int16_t* widths, std::string_view s) const
    {
        int w = 0;
        for (unsigned char c : s)
            w += widths[c];
        return w;
    }

    void Line(int x1, int x2, int y, const TEXTATTR& a)
    {
        dc.SelectObject(gdi::Pen::Solid(std::max(10, a.size / 16), a.colour));
        dc.MoveTo(x1, y);
        dc.LineTo(x2, y);
    }

    int Ascent(const TEXTATTR& a)
    {
        gdi::TEXTMETRIC tm;
        metrics.GetFont(2, kDefaultPrinterId, 0, a, 0, &tm, nullptr);
        return tm.tmAscent;
    }

    // Draws the text with its top-left corner at (x, y) and answers its width.
    int Draw(int x, int y, const TEXTATTR& a, std::string_view s)
    {
        EXPECT_EQ(fontCache.GetFont(dc, 1, 100, a, 0), 1);
        dc.TextOut(x, y, s);
        gdi::TEXTMETRIC tm;
        metrics.GetFont(2, kDefaultPrinterId, 0, a, 0, &tm, nullptr);
        const int16_t* widths = metrics.GetCharWidths(kDefaultPrinterId, 0, a, 0);
        const int width = Width(widths, s);
        const int under = y + tm.tmAscent + tm.tmDescent / 2;
        if (a.underline == kUnderlineSingle || a.underline == kUnderlineDouble)
            Line(x, x + width, under, a);
        if (a.underline == kUnderlineDouble)
            Line(x, x + width, under + a.size / 8, a);
        if (a.underline == kUnderlineWord) {
            int wx = x;
            size_t start = 0;
            while (start <= s.size()) {
                size_t end = std::min(s.find(' ', start), s.size());
                const int ww = Width(widths, s.substr(start, end - start));
                Line(wx, wx + ww, under, a);
                wx += ww + (end < s.size() ? widths[int(' ')] : 0);
                start = end + 1;
            }
        }
        if (a.strike)
            Line(x, x + width, y + tm.tmAscent - tm.tmAscent / 3, a);
        return width;
    }

    gdi::ImageSurface surface;
    gdi::DC dc;
};

TEST_F(FontPicture, CharacterFormatsAndTurnedText)
{
    int y = 200;
    const auto next = [&](int step = 420) { return y += step; };

    Draw(300, y, Attr("Arial", 240), "Plain Arial 12 pt");
    TEXTATTR bold = Attr("Arial", 240);
    bold.bold = 1;
    Draw(300, next(), bold, "Bold Arial 12 pt");
    TEXTATTR italic = Attr("Times New Roman", 280, gdi::RGB(0, 0, 192));
    italic.italic = 1;
    Draw(300, next(), italic, "Italic Times New Roman 14 pt in blue");
    TEXTATTR single = Attr("Arial", 240);
    single.underline = kUnderlineSingle;
    Draw(300, next(), single, "Single underline");
    TEXTATTR dbl = Attr("Arial", 240, gdi::RGB(0, 128, 0));
    dbl.underline = kUnderlineDouble;
    Draw(300, next(), dbl, "Double underline in green");
    TEXTATTR word = Attr("Courier New", 240);
    word.underline = kUnderlineWord;
    Draw(300, next(), word, "Word underline leaves spaces");
    TEXTATTR strike = Attr("Times New Roman", 240, gdi::RGB(192, 0, 0));
    strike.strike = 1;
    Draw(300, next(), strike, "Struck-out text in red");

    // Three runs on one baseline: each starts where the measured widths end.
    int x = 300;
    const int baseline = next() + Ascent(italic);
    x += Draw(x, baseline - Ascent(Attr("Arial", 240)), Attr("Arial", 240), "Mixed ");
    x += Draw(x, baseline - Ascent(bold), bold, "bold ");
    Draw(x, baseline - Ascent(italic), italic, "and italic");

    // Turned text from one point (escapement in tenths of a degree).
    const TEXTATTR turned = Attr("Arial", 240, gdi::RGB(128, 0, 128));
    for (int16_t escapement : {0, 450, 900}) {
        ASSERT_EQ(fontCache.GetFont(dc, 1, 100, turned, escapement), 1);
        dc.TextOut(7600, 5400, "Turned " + std::to_string(escapement / 10));
    }
    fontCache.Release(dc);

    const std::filesystem::path dir(FORMS_TEST_OUTPUT_DIR);
    std::filesystem::create_directories(dir);
    ASSERT_TRUE(surface.SavePng((dir / "character_formats.png").string()));

    // Ink where the plain line's first letter is, none to the left of the text.
    const auto dark = [&](int px, int py) {
        const gdi::COLORREF c = surface.Pixel(px, py);
        return gdi::GetRValue(c) + gdi::GetGValue(c) + gdi::GetBValue(c) < 300;
    };
    bool inked = false;
    for (int px = 30; px < 50; ++px)
        for (int py = 20; py < 45; ++py)
            inked = inked || dark(px, py);
    EXPECT_TRUE(inked);
    EXPECT_FALSE(dark(10, 30));
}

} // namespace

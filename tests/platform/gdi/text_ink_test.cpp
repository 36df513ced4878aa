// Text on an image drawn under a rectangle clip: a clip that holds the run's
// glyphs leaves the same pixels as no clip, one that cuts them still cuts,
// and the pixels a run may cover hold every pixel it draws.
#include "platform/gdi/dc.h"
#include "platform/gdi/font_face.h"
#include "platform/gdi/image_surface.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace gdi;

constexpr COLORREF kWhite = RGB(255, 255, 255);

Font MakeFont(const char* face, int height, bool italic = false, bool bold = false)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfItalic = italic ? 1 : 0;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.SetFaceName(face);
    return Font(lf);
}

// Every character of the code page but the controls, a line at a time.
std::vector<std::string> CodePageLines()
{
    std::vector<std::string> lines;
    for (int first = 0x21; first < 0x100; first += 16) {
        std::string line;
        for (int code = first; code < first + 16 && code < 0x100; ++code)
            line += static_cast<char>(code);
        lines.push_back(line);
    }
    return lines;
}

// The smallest rectangle holding every pixel that is not white.
QRect DrawnBox(ImageSurface& surface)
{
    const QImage& image = surface.Image();
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST(TextInk, TheGlyphsPixelsLieInsideTheRunsInkBox)
{
    struct Case {
        const char* face;
        int height; // logical units at 96 dpi: device pixels
        bool italic;
        bool bold;
    };
    const Case cases[]
        = {{"Arial", -8, false, false}, {"Times New Roman", -8, false, false}, {"Times New Roman", -11, true, false},
            {"Courier New", -13, false, true}, {"Calibri", -15, false, false}, {"Arial", -9, false, true},
            {"Cambria", -21, true, true}, {"Arial", -43, false, false}, {"Times New Roman", -64, false, true}};
    for (const Case& c : cases) {
        for (const std::string& line : CodePageLines()) {
            ImageSurface surface(1000, 120);
            DC dc(surface);
            dc.SelectObject(MakeFont(c.face, c.height, c.italic, c.bold));
            dc.SetBkMode(TRANSPARENT);
            dc.TextOut(7, 9, line);
            const QRect drawn = DrawnBox(surface);

            TextRun run;
            run.origin = {7, 9};
            run.text = line;
            run.logfont = dc.GetFont().GetLogFont();
            run.face = FontFace::Get(run.logfont, -c.height * 15.0, 0);
            run.devicePerTwipX = run.devicePerTwipY = 96 / 1440.0;
            const QRect ink = PainterSurface::GlyphInkBox(run);
            EXPECT_TRUE(ink.contains(drawn))
                << c.face << " " << c.height << " " << line << ": drawn " << drawn.x() << "," << drawn.y() << " "
                << drawn.width() << "x" << drawn.height() << ", ink " << ink.x() << "," << ink.y() << " " << ink.width()
                << "x" << ink.height();
        }
    }
}

TEST(TextInk, ARectangleClipCutsOnlyWhatLiesOutsideIt)
{
    // Clip boxes around "Hamburgefont" in 11-pixel Times, drawn at (10, 10):
    // one that holds it with room, one that fits it tightly, and ones that
    // cut it on each side.
    const std::string text = "Hamburgefont";
    ImageSurface whole(200, 40);
    {
        DC dc(whole);
        dc.SelectObject(MakeFont("Times New Roman", -11));
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(10, 10, text);
    }
    const QRect drawn = DrawnBox(whole);
    ASSERT_FALSE(drawn.isEmpty());
    const RECT clips[] = {
        {0, 0, 200, 40},
        {drawn.left(), drawn.top(), drawn.right() + 1, drawn.bottom() + 1},
        {drawn.left() + 5, 0, 200, 40},
        {0, drawn.top() + 3, 200, 40},
        {0, 0, drawn.right() - 5, 40},
        {0, 0, 200, drawn.bottom() - 2},
    };
    for (const RECT& clip : clips) {
        ImageSurface surface(200, 40);
        DC dc(surface);
        dc.SelectObject(MakeFont("Times New Roman", -11));
        dc.SetBkMode(TRANSPARENT);
        const Region region = Region::Rect(clip);
        dc.SelectClipRgn(&region);
        dc.TextOut(10, 10, text);
        const QImage& image = surface.Image();
        const QImage& reference = whole.Image();
        int differing = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 200; ++x) {
                const bool inside = x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
                const QRgb expected = inside ? reference.pixel(x, y) : QRgb(0xFF000000 | kWhite);
                differing += image.pixel(x, y) != expected;
            }
        EXPECT_EQ(differing, 0) << clip.left << "," << clip.top << "," << clip.right << "," << clip.bottom;
    }
}

// One surface draws a line again and again with one thing changed each time
// (its characters, their places, the zoom, the font, its place); each
// drawing must match the same line drawn on a surface of its own, so that
// nothing the surface keeps from an earlier line shows.
TEST(PreparedText, EveryChangeDrawsTheNewLine)
{
    struct Step {
        const char* label;
        std::string text;
        int zoom; // percent
        bool bold;
        POINT at;
        std::vector<int> dx; // empty: the font's advances
    };
    const Step steps[] = {
        {"first", "Item 1", 100, false, {10, 10}, {}},
        {"again", "Item 1", 100, false, {10, 10}, {}},
        {"text", "Item 2", 100, false, {10, 10}, {}},
        {"places", "Item 2", 100, false, {10, 10}, {7, 3, 5, 9, 4, 6}},
        {"zoom", "Item 2", 150, false, {10, 10}, {}},
        {"font", "Item 2", 150, true, {10, 10}, {}},
        {"moved", "Item 2", 150, true, {31, 17}, {}},
        {"back", "Item 1", 100, false, {10, 10}, {}},
    };
    auto draw = [](ImageSurface& surface, const Step& step) {
        DC dc(surface);
        dc.FillRect({0, 0, 160, 60}, Brush::Solid(kWhite));
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(100, 100);
        dc.SetViewportExt(step.zoom, step.zoom);
        LOGFONT lf;
        lf.lfHeight = -11;
        lf.lfWeight = step.bold ? FW_BOLD : FW_NORMAL;
        lf.SetFaceName("Times New Roman");
        dc.SelectObject(Font(lf));
        dc.SetBkMode(TRANSPARENT);
        // Clipped to a box that holds the line, as a text object's is.
        const Region clip = Region::Rect(0, 0, 150, 50);
        dc.SelectClipRgn(&clip);
        dc.ExtTextOut(step.at.x, step.at.y, 0, nullptr, step.text, step.dx.empty() ? nullptr : step.dx.data());
    };
    ImageSurface kept(160, 60);
    QImage previous;
    for (const Step& step : steps) {
        draw(kept, step);
        ImageSurface fresh(160, 60);
        draw(fresh, step);
        EXPECT_EQ(kept.Image(), fresh.Image()) << step.label;
        if (std::string(step.label) != "again") {
            EXPECT_NE(fresh.Image(), previous) << step.label << " changes nothing: the test shows nothing";
        }
        previous = fresh.Image();
    }
}

} // namespace

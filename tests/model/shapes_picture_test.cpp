// Pictures of boxes, ellipses, free and orthogonal lines in every border
// style, double lines, rounded corners and shadows towards each corner, for
// a person to look at: one PNG per kind at 100 % and 200 % on the screen,
// and one PDF page with every kind through the printer. A few pixels are
// checked too.
#include "forms/model/border.h"
#include "forms/model/fbox.h"
#include "forms/model/fellipse.h"
#include "forms/model/fline.h"
#include "forms/model/forthline.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/viewdc.h"

#include "platform/gdi/image_surface.h"
#include "platform/gdi/muldiv.h"
#include "platform/gdi/printer_surface.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr gdi::COLORREF kNavy = gdi::RGB(0, 0, 128);
constexpr gdi::COLORREF kCream = gdi::RGB(255, 255, 200);
constexpr gdi::COLORREF kSky = gdi::RGB(120, 170, 230);
constexpr gdi::COLORREF kGrey = gdi::RGB(128, 128, 128);
constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255);

// Each kind's sheet is 12240 × 3600 twips; objects sit in cells of
// 1900 × 1150 twips, six to a row.
constexpr int32_t kSheetWidth = 12240;
constexpr int32_t kSheetHeight = 3600;

RECT Cell(int column, int row, int32_t top)
{
    const int32_t left = 400 + column * 1900;
    const int32_t y = top + 350 + row * 1100;
    return {left, y, left + 1400, y + 750};
}

BASICSHADE Fill(int pattern)
{
    BASICSHADE shade;
    shade.SetColour1(kSky);
    shade.SetColour2(kCream);
    shade.SetPattern(pattern);
    return shade;
}

SHADOW Drop(int16_t x, int16_t y)
{
    SHADOW s;
    s.colour = kGrey;
    s.x = x;
    s.y = y;
    return s;
}

const SHADOW kShadowCorners[] = {Drop(-90, -90), Drop(90, -90), Drop(-90, 90), Drop(90, 90)};

using Objects = std::vector<std::unique_ptr<FORMOBJ>>;

// Row 0: the six dash styles; row 1: double lines and rounded corners;
// row 2: shadows towards each corner, square and rounded.
Objects Boxes(int32_t top)
{
    Objects out;
    auto add = [&](RECT r, BORDER b, BASICSHADE s, SHADOW d) {
        auto box = std::make_unique<FBOX>();
        box->Create(s, b, d);
        box->SetRect(r.left, r.top, r.right, r.bottom);
        out.push_back(std::move(box));
    };
    for (int style = 0; style <= 5; ++style)
        add(Cell(style, 0, top), BORDER(style, 60, kLineSingle, kNavy, 0, 0), Fill(0), Drop(0, 0));
    add(Cell(0, 1, top), BORDER(1, 90, kLineDouble, kNavy, 0, 0), Fill(3), Drop(0, 0));
    add(Cell(1, 1, top), BORDER(2, 90, kLineDouble, kNavy, 0, 0), Fill(7), Drop(0, 0));
    add(Cell(2, 1, top), BORDER(1, 40, kLineSingle, kNavy, 1, 144), Fill(0), Drop(0, 0));
    add(Cell(3, 1, top), BORDER(1, 100, kLineDouble, kNavy, 1, 250), Fill(12), Drop(0, 0));
    add(Cell(4, 1, top), BORDER(2, 60, kLineSingle, kNavy, 1, 144), Fill(0), Drop(0, 0));
    add(Cell(5, 1, top), BORDER(4, 80, kLineSingle, kNavy, 1, 250), Fill(0), Drop(0, 0));
    for (int corner = 0; corner < 4; ++corner)
        add(Cell(corner, 2, top), BORDER(1, 40, kLineSingle, kNavy, 0, 0), Fill(0), kShadowCorners[corner]);
    add(Cell(4, 2, top), BORDER(1, 40, kLineSingle, kNavy, 1, 250), Fill(0), Drop(90, 90));
    add(Cell(5, 2, top), BORDER(1, 40, kLineNone, kNavy, 0, 0), Fill(10), Drop(-90, 90));
    return out;
}

// Row 0: single, double, thick, no line, patterned; row 1: shadows towards
// each corner.
Objects Ellipses(int32_t top)
{
    Objects out;
    auto add = [&](RECT r, BORDER b, BASICSHADE s, SHADOW d) {
        auto e = std::make_unique<FELLIPSE>();
        e->Create(s, b, d);
        e->SetRect(r.left, r.top, r.right, r.bottom);
        out.push_back(std::move(e));
    };
    add(Cell(0, 0, top), BORDER(1, 20, kLineSingle, kNavy, 0, 0), Fill(0), Drop(0, 0));
    add(Cell(1, 0, top), BORDER(1, 90, kLineDouble, kNavy, 0, 0), Fill(0), Drop(0, 0));
    add(Cell(2, 0, top), BORDER(1, 100, kLineSingle, kNavy, 0, 0), Fill(5), Drop(0, 0));
    add(Cell(3, 0, top), BORDER(1, 40, kLineNone, kNavy, 0, 0), Fill(10), Drop(0, 0));
    add(Cell(4, 0, top), BORDER(3, 60, kLineSingle, kNavy, 0, 0), Fill(15), Drop(0, 0));
    for (int corner = 0; corner < 4; ++corner)
        add(Cell(corner, 1, top), BORDER(1, 40, kLineSingle, kNavy, 0, 0), Fill(0), kShadowCorners[corner]);
    return out;
}

// Falling, rising, horizontal and vertical lines in every style, double
// and 100 twips thick.
Objects FreeLines(int32_t top)
{
    Objects out;
    auto add = [&](POINT a, POINT b, BORDER border) {
        auto line = std::make_unique<FLINE>();
        line->Create(border);
        line->SetEnds(a, b);
        out.push_back(std::move(line));
    };
    for (int style = 0; style <= 5; ++style) {
        const RECT c = Cell(style, 0, top);
        add({c.left, c.top}, {c.right, c.bottom}, BORDER(style, 60, kLineSingle, kNavy, 0, 0));
        const RECT d = Cell(style, 1, top);
        add({d.left, d.bottom}, {d.right, d.top}, BORDER(style, 30, kLineSingle, kNavy, 0, 0));
    }
    const RECT a = Cell(0, 2, top);
    add({a.left, a.bottom}, {a.right, a.top}, BORDER(1, 100, kLineSingle, kNavy, 0, 0));
    const RECT b = Cell(1, 2, top);
    add({b.left, b.top}, {b.right, b.bottom}, BORDER(1, 120, kLineDouble, kNavy, 0, 0));
    const RECT h = Cell(2, 2, top);
    add({h.left, h.top + 375}, {h.right, h.top + 375}, BORDER(2, 60, kLineSingle, kNavy, 0, 0));
    const RECT v = Cell(3, 2, top);
    add({v.left + 700, v.top}, {v.left + 700, v.bottom}, BORDER(4, 60, kLineSingle, kNavy, 0, 0));
    const RECT s = Cell(4, 2, top);
    add({s.right, s.bottom}, {s.left, s.top + 500}, BORDER(1, 20, kLineSingle, kNavy, 0, 0));
    return out;
}

// Horizontal lines in every style, then vertical ones: single, double,
// thick and dashed.
Objects OrthogonalLines(int32_t top)
{
    Objects out;
    auto add = [&](RECT r, BORDER border) {
        auto line = std::make_unique<FORTHLINE>();
        line->InitNew(border);
        line->SetRect(r.left, r.top, r.right, r.bottom);
        out.push_back(std::move(line));
    };
    for (int style = 0; style <= 5; ++style) {
        const RECT c = Cell(style, 0, top);
        add({c.left, c.top + 200, c.right, c.top + 200}, BORDER(style, 60, kLineSingle, kNavy, 0, 0));
        add({c.left, c.top + 600, c.right, c.top + 600}, BORDER(style, 100, kLineDouble, kNavy, 0, 0));
    }
    const uint16_t widths[] = {20, 60, 100, 100, 60, 60};
    const uint16_t types[] = {kLineSingle, kLineSingle, kLineSingle, kLineDouble, kLineSingle, kLineSingle};
    const uint8_t styles[] = {1, 1, 1, 1, 2, 5};
    for (int i = 0; i < 6; ++i) {
        const RECT c = Cell(i, 1, top);
        const int32_t x = c.left + 700;
        add({x, c.top, x, c.bottom + 1000}, BORDER(styles[i], widths[i], types[i], kNavy, 0, 0));
    }
    return out;
}

struct Kind {
    const char* name;
    std::function<Objects(int32_t)> make;
};

const Kind kKinds[] = {
    {"boxes", Boxes},
    {"ellipses", Ellipses},
    {"lines", FreeLines},
    {"orthogonal_lines", OrthogonalLines},
};

void Map(VIEWDC& dc, gdi::DC& device, uint8_t kind, int perInch)
{
    dc.dc = &device;
    dc.deviceKind = kind;
    dc.SetMapMode(gdi::MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(perInch, perInch);
}

std::filesystem::path OutputFolder()
{
    const std::filesystem::path folder = FORMS_TEST_OUTPUT_DIR;
    std::filesystem::create_directories(folder);
    return folder;
}

// The colour at a point given in twips.
gdi::COLORREF PixelAt(gdi::ImageSurface& surface, VIEWDC& dc, POINT twips)
{
    dc.LPtoDP(&twips, 1);
    return surface.Pixel(twips.x, twips.y);
}

TEST(ShapePictures, EachKindOnTheScreenAt100And200Percent)
{
    const std::filesystem::path folder = OutputFolder();
    for (const Kind& kind : kKinds) {
        for (int zoom : {100, 200}) {
            const int perInch = gdi::MulDiv(96, zoom, 100);
            gdi::ImageSurface surface(
                gdi::MulDiv(kSheetWidth, perInch, 1440), gdi::MulDiv(kSheetHeight, perInch, 1440));
            gdi::DC device(surface);
            VIEWDC dc;
            Map(dc, device, kDeviceWindow, perInch);
            for (auto& object : kind.make(0))
                object->Draw(dc);
            const std::string file
                = (folder / ("shapes_" + std::string(kind.name) + "_" + std::to_string(zoom) + ".png")).string();
            ASSERT_TRUE(surface.SavePng(file)) << file;

            const std::string where = std::string(kind.name) + " at " + std::to_string(zoom) + " %";
            const RECT c = Cell(0, 0, 0);
            const POINT middle {(c.left + c.right) / 2, (c.top + c.bottom) / 2};
            if (kind.name == std::string("boxes")) {
                EXPECT_EQ(PixelAt(surface, dc, middle), kCream) << where;
                EXPECT_EQ(PixelAt(surface, dc, {c.left, middle.y}), kNavy) << "border on the edge, " << where;
                const RECT br = Cell(3, 2, 0);
                EXPECT_EQ(PixelAt(surface, dc, {br.right + 70, br.bottom + 70}), kGrey) << "shadow, " << where;
                EXPECT_EQ(PixelAt(surface, dc, {br.left - 50, br.top - 50}), kWhite) << where;
                const RECT tl = Cell(0, 2, 0);
                EXPECT_EQ(PixelAt(surface, dc, {tl.left - 70, tl.top - 70}), kGrey) << "shadow, " << where;
            } else if (kind.name == std::string("ellipses")) {
                EXPECT_EQ(PixelAt(surface, dc, middle), kCream) << where;
                EXPECT_EQ(PixelAt(surface, dc, {c.left + 40, c.top + 40}), kWhite) << "outside, " << where;
                const RECT br = Cell(3, 1, 0);
                EXPECT_EQ(PixelAt(surface, dc, {(br.left + br.right) / 2, br.bottom + 60}), kGrey)
                    << "shadow, " << where;
            } else if (kind.name == std::string("lines")) {
                EXPECT_EQ(PixelAt(surface, dc, middle), kNavy) << where;
                EXPECT_EQ(PixelAt(surface, dc, {c.right - 100, c.top + 100}), kWhite) << where;
            } else {
                EXPECT_EQ(PixelAt(surface, dc, {middle.x, c.top + 200}), kNavy) << where;
                EXPECT_EQ(PixelAt(surface, dc, {middle.x, c.top + 300}), kWhite) << where;
            }
        }
    }
}

TEST(ShapePictures, EveryKindOnOnePrintedPage)
{
    const std::string path = (OutputFolder() / "shapes_printed.pdf").string();
    std::filesystem::remove(path);
    {
        auto printer = gdi::PrinterSurface::ForPdf(path);
        ASSERT_TRUE(printer);
        gdi::DC device(*printer);
        VIEWDC dc;
        Map(dc, device, kDevicePrinter, printer->DpiX());
        int32_t top = 0;
        for (const Kind& kind : kKinds) {
            for (auto& object : kind.make(top))
                object->Draw(dc);
            top += kSheetHeight + 300;
        }
        EXPECT_TRUE(printer->EndDoc());
    }
    EXPECT_GT(std::filesystem::file_size(path), 1000u);
}

} // namespace

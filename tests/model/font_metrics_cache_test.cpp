#include "forms/model/font_metrics_cache.h"
#include "forms/model/textattr.h"
#include "tests/model/font_test_support.h"

#include "platform/gdi/information_surface.h"

#include <gtest/gtest.h>

namespace {

constexpr uint8_t kPrinterKind = 2;

class MetricsCache : public ProgramFontsTest {
protected:
    TEXTATTR Attr(uint16_t size, const char* face = "Arial")
    {
        TEXTATTR a;
        a.Reset();
        a.face = IndexOf(face);
        a.size = size;
        return a;
    }
};

TEST_F(MetricsCache, MetricsAreInTwipsWhateverTheDevice)
{
    gdi::TEXTMETRIC layout, screen;
    metrics.GetFont(kPrinterKind, kDefaultPrinterId, 0, Attr(240), 0, &layout, &screen);
    // Arial's cell is 2288/2048 em: 268 twips at 12 points, give or take the
    // rounding to the device's pixels (a 600 dpi printer's, the 96 dpi
    // screen's pixels of 15 twips).
    EXPECT_NEAR(layout.tmHeight, 268, 3);
    EXPECT_NEAR(screen.tmHeight, 268, 25);
    EXPECT_EQ(layout.tmHeight, std::max(screen.tmHeight, layout.tmHeight));
    EXPECT_NEAR(layout.tmAscent + layout.tmDescent, layout.tmHeight, 15);

    gdi::TEXTMETRIC bigger;
    metrics.GetFont(kPrinterKind, kDefaultPrinterId, 0, Attr(480), 0, &bigger, nullptr);
    EXPECT_NEAR(bigger.tmHeight, 2 * layout.tmHeight, 15);
}

TEST_F(MetricsCache, ColourUnderlineAndStrikeShareAnEntryAndTheThirtyFirstReusesTheOldest)
{
    TEXTATTR coloured = Attr(200);
    coloured.colour = 0xFF;
    coloured.underline = kUnderlineDouble;
    coloured.strike = 1;
    metrics.GetFont(kPrinterKind, kDefaultPrinterId, 0, Attr(200), 0, nullptr, nullptr);
    EXPECT_TRUE(metrics.HasMetrics(kPrinterKind, kDefaultPrinterId, 0, coloured, 0));
    TEXTATTR bold = Attr(200);
    bold.bold = 1;
    EXPECT_FALSE(metrics.HasMetrics(kPrinterKind, kDefaultPrinterId, 0, bold, 0));
    EXPECT_FALSE(metrics.HasMetrics(kPrinterKind, kDefaultPrinterId, 0, Attr(200), 900));

    for (uint16_t size = 201; size < 230; ++size)
        metrics.GetFont(kPrinterKind, kDefaultPrinterId, 0, Attr(size), 0, nullptr, nullptr);
    metrics.GetFont(kPrinterKind, kDefaultPrinterId, 0, Attr(200), 0, nullptr, nullptr);
    metrics.GetFont(kPrinterKind, kDefaultPrinterId, 0, Attr(300), 0, nullptr, nullptr);
    EXPECT_TRUE(metrics.HasMetrics(kPrinterKind, kDefaultPrinterId, 0, Attr(200), 0));
    EXPECT_FALSE(metrics.HasMetrics(kPrinterKind, kDefaultPrinterId, 0, Attr(201), 0));
    EXPECT_TRUE(metrics.HasMetrics(kPrinterKind, kDefaultPrinterId, 0, Attr(202), 0));

    metrics.Invalidate();
    EXPECT_FALSE(metrics.HasMetrics(kPrinterKind, kDefaultPrinterId, 0, Attr(300), 0));
}

TEST_F(MetricsCache, PrinterWidthsAreTheFacesAdvancesInTwips)
{
    const int16_t* w = metrics.GetCharWidths(kDefaultPrinterId, 0, Attr(240), 0);
    // Arial at 12 points: "a" 1139/2048 em, "i" 455/2048 em, "m" 1706/2048 em.
    EXPECT_NEAR(w[int('a')], 133, 1);
    EXPECT_NEAR(w[int('i')], 53, 1);
    EXPECT_NEAR(w[int('m')], 200, 1);
    const int16_t* mono = metrics.GetCharWidths(kDefaultPrinterId, 0, Attr(240, "Courier New"), 0);
    EXPECT_EQ(mono[int('i')], mono[int('m')]);
    EXPECT_EQ(mono[int('i')], 144);
}

TEST_F(MetricsCache, TheTwentyFirstWidthTableReusesTheOldestEntry)
{
    TEXTATTR coloured = Attr(200);
    coloured.colour = 0xFF00;
    const int16_t* first = metrics.GetCharWidths(kDefaultPrinterId, 0, Attr(200), 0);
    EXPECT_EQ(metrics.GetCharWidths(kDefaultPrinterId, 0, coloured, 0), first);
    const int16_t* second = metrics.GetCharWidths(kDefaultPrinterId, 0, Attr(201), 0);
    for (uint16_t size = 202; size < 220; ++size)
        metrics.GetCharWidths(kDefaultPrinterId, 0, Attr(size), 0);
    EXPECT_EQ(metrics.GetCharWidths(kDefaultPrinterId, 0, Attr(200), 0), first) << "twenty tables are held";
    EXPECT_EQ(metrics.GetCharWidths(kDefaultPrinterId, 0, Attr(300), 0), second) << "the oldest entry is reused";
}

TEST_F(MetricsCache, ScreenWidthsAtAnyZoomMatchThePrinters)
{
    gdi::InformationSurface screen(gdi::DeviceKind::Window, 96, 96, {1000, 1000});
    gdi::DC dc(screen);
    dc.SetMapMode(gdi::MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    const int16_t* printer = metrics.GetCharWidths(kDefaultPrinterId, 0, Attr(240), 0);
    const std::vector<int16_t> expected(printer, printer + 256);
    for (int zoom : {50, 100, 175}) {
        dc.SetViewportExt(96 * zoom / 100, 96 * zoom / 100);
        const int16_t* w = metrics.GetScreenCharWidths(dc, 1, kDefaultPrinterId, 0, Attr(240), 0);
        for (int c = 'a'; c <= 'z'; ++c)
            EXPECT_NEAR(w[c], expected[size_t(c)], 1) << "zoom " << zoom << " '" << char(c) << "'";
    }
}

TEST(WidthMatching, WeightedMeanAndAdjustment)
{
    int16_t widths[256] = {};
    for (int c = 'a'; c <= 'z'; ++c)
        widths[c] = 100;
    widths[int('j')] = 5000; // letters of weight 0 do not count
    EXPECT_EQ(WeightedMeanWidth(widths), 1000);

    struct Case {
        int screenMean, printerMean, adjustment;
    };
    const Case cases[] = {
        {1000, 1000, 0},
        {1000, 1110, 10},
        {1000, 1006, 1},
        {1000, 1005, 0},
        {1000, 900, -9},
        {1000, 700, -14},
        {100, 0, -1},
        {120, 0, -2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WidthAdjustment(c.screenMean, c.printerMean), c.adjustment)
            << c.screenMean << " to " << c.printerMean;
}

} // namespace

#include "platform/gdi/dc.h"
#include "platform/gdi/image_surface.h"
#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

namespace {

using namespace gdi;

Font Arial(int height, int escapement = 0)
{
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfEscapement = escapement;
    lf.SetFaceName("Arial");
    return Font(lf);
}

// One logical unit is one device pixel is one twip: Arial 2048 units high
// has an ascent of 1854 and a descent of 434.
class ExtTextOutTest : public testing::Test {
protected:
    ExtTextOutTest()
        : surface(DeviceKind::Window, 1440, 1440, {100000, 100000})
        , dc(surface)
    {
        dc.SelectObject(Arial(-2048));
    }
    const RecordedCall& Last() const { return surface.Calls().back(); }

    RecordingSurface surface;
    DC dc;
};

TEST_F(ExtTextOutTest, TheReferencePointFollowsTheTextAlignment)
{
    const int dx[] = {1000, 500, 700};
    struct Case {
        unsigned align;
        POINT origin; // top-left of the first cell
    };
    const Case cases[] = {
        {TA_LEFT | TA_TOP, {5000, 5000}},
        {TA_LEFT | TA_BASELINE, {5000, 5000 - 1854}},
        {TA_LEFT | TA_BOTTOM, {5000, 5000 - 2288}},
        {TA_RIGHT | TA_TOP, {5000 - 2200, 5000}},
        {TA_CENTER | TA_BASELINE, {5000 - 1100, 5000 - 1854}},
    };
    for (const Case& c : cases) {
        dc.SetTextAlign(c.align);
        dc.ExtTextOut(5000, 5000, 0, nullptr, "abc", dx);
        EXPECT_EQ(Last().points.at(0).x, c.origin.x) << c.align;
        EXPECT_EQ(Last().points.at(0).y, c.origin.y) << c.align;
        EXPECT_EQ(Last().positions, (std::vector<int> {0, 1000, 1500})) << c.align;
    }
}

TEST_F(ExtTextOutTest, ATurnedLineHangsFromItsBaselineAcrossTheTurn)
{
    // Text turned a quarter up: the cell's top lies to the left of the baseline.
    dc.SelectObject(Arial(-2048, 900));
    dc.SetTextAlign(TA_LEFT | TA_BASELINE);
    dc.ExtTextOut(5000, 5000, 0, nullptr, "ab", nullptr);
    EXPECT_EQ(Last().points.at(0).x, 5000 - 1854);
    EXPECT_EQ(Last().points.at(0).y, 5000);
}

TEST_F(ExtTextOutTest, TheAlignmentIsPartOfTheSavedStateAndDrawTextIgnoresIt)
{
    dc.SetTextAlign(TA_BASELINE);
    dc.SaveDC();
    EXPECT_EQ(dc.SetTextAlign(TA_RIGHT), TA_BASELINE);
    dc.RestoreDC(-1);
    EXPECT_EQ(dc.GetTextAlign(), TA_BASELINE);

    RECT r {100, 200, 90000, 9000};
    dc.DrawText("x", r, DT_LEFT);
    EXPECT_EQ(Last().points.at(0).x, 100);
    EXPECT_EQ(Last().points.at(0).y, 200);
    EXPECT_EQ(dc.GetTextAlign(), TA_BASELINE);
}

TEST_F(ExtTextOutTest, OpaqueFillsAndClippedClipsTheRectangle)
{
    dc.SetBkColor(RGB(255, 255, 0));
    const RECT r {10, 20, 300, 400};
    dc.ExtTextOut(10, 20, ETO_OPAQUE | ETO_CLIPPED, &r, "ab", nullptr);
    ASSERT_EQ(surface.Calls().size(), 2u);
    const RecordedCall& fill = surface.Calls()[0];
    EXPECT_EQ(fill.name, "PatBlt");
    EXPECT_EQ(fill.state.brush.colour, RGB(255, 255, 0));
    EXPECT_EQ(fill.points, (std::vector<POINT> {{10, 20}, {300, 400}}));
    RECT box;
    ASSERT_TRUE(Last().state.clip.has_value());
    Last().state.clip->GetBox(box);
    EXPECT_EQ(box, r);
}

TEST_F(ExtTextOutTest, InvertRectInvertsTheDestination)
{
    dc.InvertRect({1, 2, 30, 40});
    EXPECT_EQ(Last().name, "PatBlt");
    EXPECT_EQ(Last().values.at(0), static_cast<int>(DSTINVERT));
}

TEST(ExtTextOutPositions, EachCharacterIsPlacedAtItsOwnRoundedPosition)
{
    // Twips on a 96-dpi window: advances of 100 twips are 6.67 pixels, so
    // the characters start at 0, 7, 13 and 20 pixels, not at multiples of 7.
    RecordingSurface surface;
    DC dc(surface);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(96, 96);
    dc.SelectObject(Arial(-200));
    const int dx[] = {100, 100, 100, 100};
    dc.ExtTextOut(0, 0, 0, nullptr, "abcd", dx);
    EXPECT_EQ(surface.Calls().back().positions, (std::vector<int> {0, 7, 13, 20}));
}

TEST(ExtTextOutPositions, GlyphsLandWhereTheAdvancesPutThem)
{
    // Two bars an inch apart on a 96-dpi image: ink at both, none between.
    ImageSurface image(200, 60);
    DC dc(image);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1440, 1440);
    dc.SetViewportExt(96, 96);
    dc.SelectObject(Arial(-480));
    dc.SetBkMode(TRANSPARENT);
    const int dx[] = {1440, 100};
    dc.ExtTextOut(150, 100, 0, nullptr, "||", dx);
    auto inkIn = [&](int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < 60; ++y)
                if (image.Pixel(x, y) != RGB(255, 255, 255))
                    return true;
        return false;
    };
    EXPECT_TRUE(inkIn(8, 20));
    EXPECT_FALSE(inkIn(25, 100));
    EXPECT_TRUE(inkIn(104, 116));
}

TEST(TextDecorations, UnderlineAndStrikeOutRunUnderAndThroughTheWholeText)
{
    // "oo" has no ink below its baseline and a gap between its letters, so
    // a row inked from end to end there can only be a decoration.
    struct Case {
        bool underline;
        bool strikeOut;
    } cases[] = {{false, false}, {true, false}, {false, true}};
    for (const Case& c : cases) {
        ImageSurface image(200, 80);
        DC dc(image);
        LOGFONT lf;
        lf.lfHeight = -48;
        lf.lfUnderline = c.underline;
        lf.lfStrikeOut = c.strikeOut;
        lf.SetFaceName("Arial");
        dc.SelectObject(Font(lf));
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(10, 10, "oo");
        TEXTMETRIC tm;
        ASSERT_TRUE(dc.GetTextMetrics(tm));
        const int width = dc.GetTextExtent("oo").cx;
        const int baseline = 10 + tm.tmAscent;
        auto fullRow = [&](int from, int to) {
            for (int y = from; y < to; ++y) {
                bool whole = true;
                for (int x = 12; x < 10 + width - 2 && whole; ++x)
                    whole = image.Pixel(x, y) != RGB(255, 255, 255);
                if (whole)
                    return true;
            }
            return false;
        };
        SCOPED_TRACE(testing::Message() << "underline " << c.underline << " strike-out " << c.strikeOut);
        EXPECT_EQ(fullRow(baseline + 1, baseline + tm.tmDescent), c.underline);
        EXPECT_EQ(fullRow(10, baseline - 2), c.strikeOut);
    }
}

TEST(TextDecorations, OpaqueTextFillsItsCellAndDrawsItsGlyphs)
{
    ImageSurface image(200, 80);
    DC dc(image);
    dc.SelectObject(Arial(-48));
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(255, 255, 0));
    dc.SetTextColor(RGB(0, 0, 255));
    dc.TextOut(10, 10, "oo");
    int background = 0, ink = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 200; ++x) {
            background += image.Pixel(x, y) == RGB(255, 255, 0);
            ink += image.Pixel(x, y) == RGB(0, 0, 255);
        }
    EXPECT_GT(background, 100);
    EXPECT_GT(ink, 100);
}

} // namespace

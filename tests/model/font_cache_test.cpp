#include "forms/model/font_cache.h"
#include "forms/model/textattr.h"
#include "tests/model/font_test_support.h"

#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

namespace {

constexpr uint8_t kWindow = 1;
constexpr uint8_t kPrinter = 2;

class FontCache : public ProgramFontsTest {
protected:
    FontCache()
        : dc(surface)
    {}
    TEXTATTR Attr(uint16_t size, uint32_t colour = 0)
    {
        TEXTATTR a;
        a.Reset();
        a.face = IndexOf("Arial");
        a.size = size;
        a.colour = colour;
        return a;
    }
    gdi::RecordingSurface surface;
    gdi::DC dc;
};

TEST_F(FontCache, SelectsTheFormatsFontAndColourAndReleaseRestoresThem)
{
    const gdi::Font before = dc.GetFont();
    dc.SetTextColor(0x00ABCDEF);
    TEXTATTR bold = Attr(300, 0x0000FF);
    bold.bold = 1;
    ASSERT_EQ(fontCache.GetFont(dc, kWindow, 100, bold, 900), 1);
    const gdi::LOGFONT& lf = dc.GetFont().GetLogFont();
    EXPECT_EQ(lf.lfHeight, -300);
    EXPECT_EQ(lf.lfWeight, 700);
    EXPECT_EQ(lf.lfEscapement, 900);
    EXPECT_EQ(lf.FaceName(), "Arial");
    EXPECT_EQ(dc.GetTextColor(), 0x0000FFu);

    ASSERT_EQ(fontCache.GetFont(dc, kWindow, 100, Attr(200, 0x00FF00), 0), 1);
    EXPECT_EQ(dc.GetFont().GetLogFont().lfHeight, -200);
    fontCache.Release(dc);
    EXPECT_EQ(dc.GetFont(), before);
    EXPECT_EQ(dc.GetTextColor(), 0x00ABCDEFu);
}

TEST_F(FontCache, FormatsThatDifferOnlyInColourOrUnderlineShareAFont)
{
    TEXTATTR underlined = Attr(240, 0x00FF00);
    underlined.underline = kUnderlineWord;
    underlined.strike = 1;
    fontCache.GetFont(dc, kWindow, 100, Attr(240, 0x0000FF), 0);
    EXPECT_EQ(dc.GetTextColor(), 0x0000FFu);
    fontCache.GetFont(dc, kWindow, 100, underlined, 0);
    EXPECT_EQ(dc.GetTextColor(), 0x00FF00u);
    EXPECT_EQ(fontCache.GetCount(kWindow), 1);
    fontCache.GetFont(dc, kWindow, 150, Attr(240), 0);
    fontCache.GetFont(dc, kWindow, 100, Attr(240), 450);
    EXPECT_EQ(fontCache.GetCount(kWindow), 3) << "zoom and escapement are part of the key";
    fontCache.Release(dc);
}

TEST_F(FontCache, ReleaseWithoutGetFontChangesNothing)
{
    gdi::LOGFONT lf;
    lf.lfHeight = -77;
    dc.SelectObject(gdi::Font(lf));
    dc.SetTextColor(0x123456);
    fontCache.Release(dc);
    EXPECT_EQ(dc.GetFont().GetLogFont().lfHeight, -77);
    EXPECT_EQ(dc.GetTextColor(), 0x123456u);
}

TEST_F(FontCache, TheTwentyFirstFormatReusesTheEntryUsedLongestAgo)
{
    fontCache.GetFont(dc, kPrinter, 100, Attr(500), 0);
    for (uint16_t size = 200; size < 220; ++size)
        fontCache.GetFont(dc, kWindow, 100, Attr(size), 0);
    fontCache.GetFont(dc, kWindow, 100, Attr(200), 0);
    fontCache.GetFont(dc, kWindow, 100, Attr(300), 0);
    EXPECT_EQ(fontCache.GetCount(kWindow), 20);
    EXPECT_TRUE(fontCache.Contains(kWindow, Attr(200), 0, 100));
    EXPECT_FALSE(fontCache.Contains(kWindow, Attr(201), 0, 100));
    EXPECT_TRUE(fontCache.Contains(kWindow, Attr(300), 0, 100));
    EXPECT_EQ(fontCache.GetCount(kPrinter), 1);
    EXPECT_TRUE(fontCache.Contains(kPrinter, Attr(500), 0, 100));
    // The font selected last is still the one in the context.
    EXPECT_EQ(dc.GetFont().GetLogFont().lfHeight, -300);
    fontCache.Release(dc);
}

TEST_F(FontCache, ListsByDeviceKindAndFlushing)
{
    struct Case {
        uint8_t kind;
        int result;
    };
    const Case cases[] = {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {0, 0}, {5, 0}};
    for (const Case& c : cases) {
        EXPECT_EQ(fontCache.GetFont(dc, c.kind, 100, Attr(240), 0), c.result) << int(c.kind);
        fontCache.Release(dc);
    }
    EXPECT_EQ(fontCache.GetCount(2), 1) << "printer and preview share a list";
    fontCache.FlushList2();
    EXPECT_EQ(fontCache.GetCount(4), 0);
    EXPECT_EQ(fontCache.GetCount(1), 1);
    EXPECT_EQ(fontCache.GetCount(3), 1);

    // A flushed font that was selected is selected afresh.
    fontCache.GetFont(dc, kWindow, 100, Attr(240), 0);
    fontCache.FlushList1();
    gdi::LOGFONT other;
    other.lfHeight = -5;
    dc.SelectObject(gdi::Font(other));
    fontCache.GetFont(dc, kWindow, 100, Attr(240), 0);
    EXPECT_EQ(dc.GetFont().GetLogFont().lfHeight, -240);
    fontCache.Release(dc);
}

} // namespace

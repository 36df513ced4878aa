// The solid brushes of the palette colours and the shared pattern bitmaps.
#include "forms/model/brush_cache.h"
#include "forms/model/fill_patterns.h"

#include "platform/gdi/palette.h"

#include <gtest/gtest.h>

namespace {

TEST(BrushCache, LendsThePaletteBrushesAndMakesTheOthers)
{
    for (int i = 0; i < BRUSHCACHE::kCount; ++i) {
        const gdi::COLORREF colour = gdi::DefaultPalette()[i];
        CachedBrush brush = GetCachedBrush(colour);
        ASSERT_NE(brush, nullptr);
        EXPECT_EQ(*brush, gdi::Brush::Solid(colour));
        EXPECT_EQ(GetCachedBrush(colour), brush) << "the same brush every time";
        std::weak_ptr<const gdi::Brush> kept = brush;
        ReleaseCachedBrush(brush);
        EXPECT_EQ(brush, nullptr);
        EXPECT_FALSE(kept.expired()) << "a palette colour's brush survives its release";
    }
    for (gdi::COLORREF colour : {gdi::RGB(1, 2, 3), gdi::DefaultPalette()[16], gdi::DefaultPalette()[19]}) {
        CachedBrush brush = GetCachedBrush(colour);
        EXPECT_EQ(*brush, gdi::Brush::Solid(colour));
        EXPECT_NE(GetCachedBrush(colour), brush) << "a new brush each time";
        std::weak_ptr<const gdi::Brush> made = brush;
        ReleaseCachedBrush(brush);
        EXPECT_TRUE(made.expired()) << "freed on release";
    }
}

TEST(FillPatterns, TwentyEightByEightPatternsFromLightToDark)
{
    const FillPatterns& shared = SharedFillPatterns();
    auto dots = [&](int p) {
        int n = 0;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                n += shared.bitmaps[p].Bit(x, y) ? 0 : 1;
        return n;
    };
    for (int p = 0; p < kFillPatternCount; ++p) {
        const gdi::Bitmap& bitmap = shared.bitmaps[p];
        ASSERT_FALSE(bitmap.IsNull()) << p;
        EXPECT_TRUE(bitmap.IsMonochrome()) << p;
        EXPECT_EQ(bitmap.Width(), 8) << p;
        EXPECT_EQ(bitmap.Height(), 8) << p;
        EXPECT_EQ(shared.brushes[p], gdi::Brush::Pattern(bitmap)) << p;
        for (int q = 0; q < p; ++q)
            EXPECT_FALSE(shared.bitmaps[q] == bitmap) << p << " repeats " << q;
    }
    EXPECT_EQ(dots(0), 0) << "all background";
    EXPECT_EQ(dots(10), 64) << "all foreground";
    for (int p = 1; p < 10; ++p)
        EXPECT_LT(dots(p - 1), dots(p)) << "the greys darken from 1 to 9";
    for (int p = 11; p < kFillPatternCount; ++p) {
        EXPECT_GT(dots(p), 0) << p;
        EXPECT_LT(dots(p), 64) << p;
    }
}

} // namespace

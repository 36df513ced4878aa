#include "forms/app/frames/factory_toolbar.h"
#include "forms/app/frames/frame_resources.h"
#include "forms/app/frames/std_toolbar.h"
#include "forms/app/frames/text_toolbar.h"
#include "forms/res/program_toolbar_strips.h"

#include "platform/res/errors.h"
#include "platform/res/missing_handler.h"

#include <gtest/gtest.h>

#include <QImage>

#include <vector>

namespace {

struct BarCase {
    const char* name;
    BarBitmaps bitmaps;
    // The bar's items: command ids, 0 for a separator or a box's place.
    std::vector<unsigned> items;
    // Images past the buttons' own (the alignment pictures).
    std::vector<uint32_t> extraImages;
};

const std::vector<BarCase>& Bars()
{
    static const std::vector<BarCase> bars = {
        {"standard", {7, 2192, 2190, 2191},
            {57600, 57601, 57603, 0, 32925, 57608, 32866, 0, 57635, 57634, 57637, 0, 32811, 32809, 0, 32789, 32788,
                32826, 0, 32821, 32842, 32822, 0, 32853, 32903, 32904, 0, 0, 0, 57668},
            {}},
        {"design", {130, 2188, 2187, 2189},
            {32778, 0, 32772, 32776, 32771, 32777, 32774, 0, 32773, 32775, 32779, 32801, 32803, 0, 32808, 32786, 32790},
            {}},
        {"format", {2110, 2185, 2183, 2184},
            {0, 0, 0, 0, 106, 107, 108, 174, 175, 109, 0, 32902, 0, 0, 0, 32783, 32785, 32838, 0, 0},
            {10, 11, 12, 13, 14}},
    };
    return bars;
}

QImage ImageAt(const QImage& strip, int index, QSize size)
{
    return strip.copy(index * size.width(), 0, size.width(), size.height());
}

bool Blank(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

TEST(ToolbarStrips, EachBarsTableAndBitmapIdsPerButtonStyle)
{
    EXPECT_EQ(kStdBarBitmaps.For(false, true), 7u);
    EXPECT_EQ(kStdBarBitmaps.For(false, false), 2192u);
    EXPECT_EQ(kStdBarBitmaps.For(true, true), 2190u);
    EXPECT_EQ(kStdBarBitmaps.For(true, false), 2191u);
    EXPECT_EQ(kFactoryBarBitmaps.For(true, false), 2189u);
    EXPECT_EQ(kTextBarBitmaps.For(false, false), 2185u);
    EXPECT_EQ(kTextBarBitmaps.For(true, true), 2183u);
    for (const BarCase& bar : Bars()) {
        SCOPED_TRACE(bar.name);
        // The bar's description lists the items in order.
        const std::vector<ui::ToolButton> buttons = LoadToolBar(bar.bitmaps.smallColour);
        ASSERT_EQ(buttons.size(), bar.items.size());
        for (size_t i = 0; i < buttons.size(); ++i)
            EXPECT_EQ(buttons[i].id, bar.items[i]) << "slot " << i;
        // Image n of every strip of the bar is the glyph of the bar's n-th button.
        std::vector<uint32_t> glyphs;
        for (unsigned id : bar.items)
            if (id)
                glyphs.push_back(id);
        glyphs.insert(glyphs.end(), bar.extraImages.begin(), bar.extraImages.end());
        for (bool large : {false, true})
            for (bool colour : {false, true}) {
                const ToolbarStrip* strip = FindToolbarStrip(bar.bitmaps.For(large, colour));
                ASSERT_NE(strip, nullptr);
                EXPECT_EQ(strip->glyphs, glyphs);
                EXPECT_EQ(strip->large, large);
                EXPECT_EQ(strip->colour, colour);
            }
    }
}

TEST(ToolbarStrips, StripsHoldTheirImagesDistinctAndNoneBlank)
{
    res::ScopedMissingHandler strict(res::ThrowMissing);
    for (const BarCase& bar : Bars())
        for (bool large : {false, true})
            for (bool colour : {false, true}) {
                const uint32_t id = bar.bitmaps.For(large, colour);
                SCOPED_TRACE(id);
                const QImage strip = ProgramToolbarStrip(id);
                const QSize size = ToolbarImageSize(large);
                const int count = static_cast<int>(FindToolbarStrip(id)->glyphs.size());
                ASSERT_EQ(strip.size(), QSize(size.width() * count, size.height()));
                std::vector<QImage> images;
                for (int i = 0; i < count; ++i) {
                    const QImage image = ImageAt(strip, i, size);
                    EXPECT_FALSE(Blank(image)) << "image " << i;
                    for (size_t j = 0; j < images.size(); ++j)
                        EXPECT_NE(image, images[j]) << "images " << j << " and " << i;
                    images.push_back(image);
                }
            }
}

TEST(ToolbarStrips, MonoStripsAreTheColourOnesInGreys)
{
    for (const BarCase& bar : Bars())
        for (bool large : {false, true}) {
            const QImage colour
                = ProgramToolbarStrip(bar.bitmaps.For(large, true)).convertToFormat(QImage::Format_ARGB32);
            const QImage mono
                = ProgramToolbarStrip(bar.bitmaps.For(large, false)).convertToFormat(QImage::Format_ARGB32);
            ASSERT_EQ(colour.size(), mono.size());
            bool anyColour = false;
            for (int y = 0; y < mono.height(); ++y)
                for (int x = 0; x < mono.width(); ++x) {
                    const QRgb c = colour.pixel(x, y);
                    const QRgb m = mono.pixel(x, y);
                    ASSERT_EQ(qAlpha(m), qAlpha(c)) << x << "," << y;
                    if (qAlpha(m) < 255)
                        continue;
                    EXPECT_EQ(qRed(m), qGreen(m));
                    EXPECT_EQ(qGreen(m), qBlue(m));
                    EXPECT_NEAR(qRed(m), qGray(c), 1);
                    anyColour = anyColour || qRed(c) != qBlue(c);
                }
            EXPECT_TRUE(anyColour) << bar.name;
        }
}

TEST(ToolbarStrips, LargeImagesOfThinGlyphsAreDrawnCrisp)
{
    // The box tool's frame is one whole pixel wide at 24 × 22, not a
    // scaled line smeared over two.
    const QImage strip = ProgramToolbarStrip(2187).convertToFormat(QImage::Format_ARGB32);
    const QImage box = ImageAt(strip, 1, QSize(24, 22));
    for (int y = 4; y < 18; ++y) {
        EXPECT_EQ(qAlpha(box.pixel(3, y)), 255) << y;
        EXPECT_EQ(qAlpha(box.pixel(2, y)), 0) << y;
        EXPECT_EQ(qAlpha(box.pixel(4, y)), 0) << y;
    }
}

TEST(ToolbarStrips, AnIdWithoutAStripIsReported)
{
    res::ScopedMissingHandler strict(res::ThrowMissing);
    EXPECT_THROW(ProgramToolbarStrip(4242), res::MissingResource);
    EXPECT_EQ(FindToolbarStrip(4242), nullptr);
}

} // namespace

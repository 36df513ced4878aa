// The number format page's drawing on a recording surface: the samples
// and the negative styles in the colours their formats give, automatic
// meaning the field's own text colour.
#include "forms/dialogs/data/number_page_draw.h"
#include "forms/fields/datatypes/numberdatatype.h"

#include "platform/gdi/recording_surface.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kFieldBlue = 0x00800000;

std::vector<std::pair<std::string, uint32_t>> Texts(const gdi::RecordingSurface& surface)
{
    std::vector<std::pair<std::string, uint32_t>> out;
    for (const gdi::RecordedCall& call : surface.Calls())
        if (call.name == "TextOut")
            out.push_back({call.text, call.state.textColour});
    return out;
}

TEST(NumberPageDraw, SamplesInTheirFormatsColours)
{
    NUMBERDATATYPE type;
    type.InitialiseValue();
    ApplyCategory(type, NUMBERCHOICES {kCategoryNumber, 2, true, true, 1}, "$");
    gdi::RecordingSurface surface;
    gdi::DC dc(surface);
    DrawNumberSample(dc, {0, 0, 300, 40}, &type, kFieldBlue);
    const auto texts = Texts(surface);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0], (std::pair<std::string, uint32_t> {"2,393.72", kFieldBlue}));
    EXPECT_EQ(texts[1], (std::pair<std::string, uint32_t> {"7,343.08", kNegativeRed}));
    EXPECT_EQ(texts[2], (std::pair<std::string, uint32_t> {"0.00", kFieldBlue}));
}

TEST(NumberPageDraw, NegativeStylesRedForOneAndThree)
{
    const NUMBERCHOICES choices {kCategoryNumber, 2, true, false, 0};
    const std::pair<std::string, uint32_t> expected[]
        = {{"-7343.08", kFieldBlue}, {"7343.08", kNegativeRed}, {"-7343.08 ", kFieldBlue}, {"-7343.08 ", kNegativeRed}};
    for (int style = 0; style < 4; ++style) {
        gdi::RecordingSurface surface;
        gdi::DC dc(surface);
        DrawNegativeStyle(dc, {0, 0, 100, 13}, style == 0, choices, style, "$", kFieldBlue);
        const auto texts = Texts(surface);
        ASSERT_EQ(texts.size(), 1u) << style;
        EXPECT_EQ(texts[0], expected[style]) << style;
    }
}

} // namespace

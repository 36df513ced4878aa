// Fuzzes the appearance pages' rules: typed widths and spacings, arbitrary
// borders, fills, shadows, character formats, alignments and spacings, then
// a run of control events, each checked against what the pages promise.
#include "forms/dialogs/appearance/align_rules.h"
#include "forms/dialogs/appearance/font_rules.h"
#include "forms/dialogs/appearance/line_rules.h"
#include "forms/dialogs/appearance/shade_rules.h"
#include "forms/dialogs/appearance/shadow_corners.h"
#include "forms/dialogs/appearance/spacing_rules.h"
#include "forms/dialogs/controls/colours.h"
#include "tests/common/fuzz_input.h"

#include <cstdlib>
#include <cstring>
#include <string_view>

namespace {

using Input = FuzzInput;

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    Input in {data, size};
    const std::string_view widthText = in.Text();
    if (const auto width = ParseWidth(widthText))
        Check(*width >= 10 && *width <= 200);
    const uint8_t units = in.Take<uint8_t>() & 1;
    if (const auto spacing = ParseSpacing(in.Text(), units))
        Check(*spacing >= kMinFixedSpacing && *spacing <= kMaxFixedSpacing);

    BORDER border;
    border.style = in.Take<uint8_t>();
    border.width = in.Take<uint16_t>();
    border.lineType = in.Take<uint16_t>();
    border.colour = in.Take<uint32_t>();
    border.rounding = in.Take<uint16_t>();
    Check(!WidthText(border.width).empty());
    if (const int radio = LineTypeRadio(border.lineType))
        Check(radio >= kLineNoneRadio && radio <= kLineDoubleRadio);
    const int styleIndex = StyleListIndex(border.style);
    Check(styleIndex >= -1 && styleIndex < 5);

    BASICSHADE shade;
    shade.colour1 = in.Take<uint32_t>();
    shade.colour2 = in.Take<uint32_t>();
    shade.pattern = in.Take<int16_t>();
    shade.noFill = in.Take<int16_t>();
    ShadeMarks marks = MarksOf(shade);
    Check(marks.pattern >= 0 && marks.pattern < kPatternCount);
    Check(marks.swatch >= 0 && marks.swatch < 18 && marks.other >= 0 && marks.other < 18);

    const auto x = in.Take<int16_t>();
    const auto y = in.Take<int16_t>();
    const int corner = ShadowCornerOf(x, y);
    Check(corner >= 0 && corner < 5);

    TEXTATTR format;
    format.bold = in.Take<uint8_t>();
    format.underline = in.Take<uint8_t>();
    format.size = in.Take<uint16_t>();
    format.colour = in.Take<uint32_t>();
    const TEXTATTR shown = ShownTextAttr(format);
    Check(shown.size != kMixedWord && shown.colour != kMixedColour);
    UnderlineLatches latches = LatchesOf(format.underline);
    const FontSizeList sizes = FontSizesFor("");
    Check(SizeIndex(sizes, NearestSize(sizes, static_cast<uint16_t>(format.size / 20))) >= 0);
    Check(AlignRadio(in.Take<uint8_t>()) >= 0);
    Check(!SpacingText(in.Take<uint16_t>(), units).empty());

    // Control events in any order.
    while (in.size > 0) {
        const uint8_t event = in.Take<uint8_t>();
        const uint8_t arg = in.Take<uint8_t>();
        switch (event % 8) {
        case 0:
            if (const auto width = ParseWidth(in.Text())) {
                border.SetWidth(*width);
                const bool allowed = ApplyWidthRule(border);
                Check(border.width >= kMinDoubleWidth || border.lineType != kLineDouble);
                Check(allowed == DoubleAllowed(border));
            }
            break;
        case 1: {
            const bool allowed = ApplyStyleRule(border, arg % 5);
            Check(border.style == 1 + arg % 5 || border.style == kSpecialBorderStyle);
            Check(arg % 5 == 0 || border.lineType == kLineSingle);
            Check(allowed == DoubleAllowed(border));
            break;
        }
        case 2:
            ToggleRounding(border);
            Check(border.rounding == 0 || border.rounding == kSmallRounding || border.rounding == kLargeRounding);
            break;
        case 3:
            if (ClickPattern(shade, marks, arg % kPatternCount))
                Check(shade.noFill == 0 && shade.pattern == PatternValueAt(arg % kPatternCount));
            marks = MarksOf(shade);
            break;
        case 4:
            if (ClickSwatch(shade, marks, static_cast<int>(kFirstSwatchId) + arg % 16))
                Check(shade.noFill == 0);
            marks = MarksOf(shade);
            break;
        case 5:
            ChooseOtherColour(shade, 150 + arg % 30);
            ClickBackground(shade, marks, 1024 + arg % 2);
            marks = MarksOf(shade);
            Check(marks.background >= 1024 && marks.background <= 1026);
            break;
        case 6: {
            const uint8_t underline = ToggleUnderline(latches, 1417 + arg % 3);
            Check(latches.single + latches.word + latches.dbl <= 1);
            Check(underline == 0 || LatchesOf(underline) == latches);
            break;
        }
        default:
            ClickTransparent(shade);
            marks = MarksOf(shade);
            Check(marks.transparent);
            break;
        }
    }
    return 0;
}

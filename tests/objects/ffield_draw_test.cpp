// The field's drawing on the recording surface: the drop-down button's
// width, and a context that draws fields only.
#include "tests/objects/field_test_support.h"

#include "forms/fields/datatypes/textdatatype.h"
#include "forms/model/border.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "tests/model/shape_fixtures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using FieldDrawTest = FieldTest;

TEST_F(FieldDrawTest, TheDropButtonIsSquareButNeverWiderThan240OrHalfTheField)
{
    const struct {
        RECT r;
        int32_t width;
    } cases[] = {
        {{0, 0, 100, 300}, 50},
        {{0, 0, 1000, 300}, 240},
        {{0, 0, 1000, 200}, 200},
    };
    for (const auto& c : cases) {
        auto field = MakeField(c.r);
        field->SetBorder(BORDER(0, 0, kLineNone, 0, 1, 0));
        Mapped mapped;
        RECT button;
        field->GetDropButtonRect(button, mapped.dc);
        EXPECT_EQ(button.right - button.left, c.width);
        EXPECT_EQ(button.right, c.r.right);
        EXPECT_EQ(button.top, c.r.top);
        EXPECT_EQ(button.bottom, c.r.bottom);
    }
}

TEST_F(FieldDrawTest, AFieldsOnlyContextDrawsTheValueAndNothingOfTheFrame)
{
    for (int fieldsOnly : {0, 1}) {
        SCOPED_TRACE(fieldsOnly);
        auto field = MakeField({1000, 1000, 4000, 1400});
        SHADOW drop;
        drop.x = 60;
        drop.y = 60;
        field->SetShadow(drop);
        field->SetValueList(Values({"a"}, false).get(), nullptr);
        dynamic_cast<TEXTDATATYPE*>(field->GetDataType())->strValue = "Value";
        Mapped mapped;
        mapped.dc.fieldsOnly = fieldsOnly;
        field->Draw(mapped.dc);
        int texts = 0;
        int shapes = 0;
        for (const auto& call : mapped.Calls()) {
            if (call.name == "TextOut")
                ++texts;
            else if (call.name == "PatBlt" || call.name == "Rectangle" || call.name == "Polygon"
                || call.name == "FillRect" || call.name == "FillRgn" || call.name == "LineTo")
                ++shapes;
        }
        EXPECT_GT(texts, 0);
        EXPECT_EQ(shapes > 0, fieldsOnly == 0);
    }
}

// The device rows of the baseline bands drawn (14 twips, one device unit
// being one twip here).
std::vector<int32_t> Baselines(const Mapped& mapped)
{
    std::vector<int32_t> rows;
    for (const auto& call : mapped.Calls())
        if (call.name == "PatBlt" && call.state.brush.style == gdi::BS_PATTERN
            && call.values.at(0) == static_cast<int>(gdi::PATCOPY) && call.points[1].y - call.points[0].y == 14)
            rows.push_back(call.points[0].y);
    return rows;
}

TEST_F(FieldDrawTest, BaselinesAreOneFontHeightOrTheLineSpacingApartInTheDesignViewOnly)
{
    const TEXTATTR font = Font(IndexOf("Arial"), 240);
    gdi::TEXTMETRIC m;
    metrics.GetFont(kDeviceWindow, 991, 0, font, 0, &m, nullptr);
    const struct {
        const char* name;
        uint16_t spacing;
        uint8_t deviceKind;
        uint16_t outputMode;
        int32_t first;
        int32_t step;
    } cases[] = {
        {"font height", 0xFFFF, kDeviceWindow, kOutputDesign, m.tmAscent, m.tmAscent + m.tmDescent},
        {"spacing 400", 400, kDeviceWindow, kOutputDesign, std::max<int32_t>(m.tmAscent, 400 - m.tmDescent), 400},
        {"fill view", 0xFFFF, kDeviceWindow, kOutputFill, 0, 0},
        {"print", 0xFFFF, kDevicePrinter, kOutputDesign, 0, 0},
        {"preview", 0xFFFF, kDevicePreview, kOutputDesign, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto field = MakeField({1000, 1000, 4000, 2600});
        field->SetFont(font);
        field->SetBorder(BORDER(0, 0, kLineNone, 0, 1, 0));
        field->SetLineSpacing(c.spacing, nullptr);
        Mapped mapped(c.deviceKind);
        mapped.dc.outputMode = c.outputMode;
        mapped.dc.showBaselines = 1;
        field->Draw(mapped.dc);
        std::vector<int32_t> expected;
        for (int32_t y = 1000 + c.first; c.step > 0 && y + 14 < 2600; y += c.step)
            expected.push_back(y);
        EXPECT_EQ(Baselines(mapped), expected);
    }
}

} // namespace

// The field's drawing on the recording surface: the drop-down button's
// width, and a context that draws fields only.
#include "tests/objects/field_test_support.h"

#include "forms/fields/datatypes/textdatatype.h"
#include "forms/model/border.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "tests/model/shape_fixtures.h"

#include <gtest/gtest.h>

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

} // namespace

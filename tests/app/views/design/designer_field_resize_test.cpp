// Resizing fields in the design view with synthetic mouse input: a list
// field keeps 720 twips and a check box 360 while its right handle is
// dragged past its left edge, any other field the common 90, and every
// field's minimum size is the common 90 by 90 again afterwards.
#include "tests/app/support/designer_window.h"

#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/objects/ffield.h"

#include <gtest/gtest.h>

namespace {

TEST_F(DesignerTest, DraggingAFieldsRightHandlePastItsLeftStopsAtItsKindsMinimumWidth)
{
    const struct {
        const char* name;
        bool list;
        bool checkBox;
        int32_t minWidth;
    } cases[] = {
        {"text field", false, false, 90},
        {"list field", true, false, 720},
        {"check box", false, true, 360},
    };
    int32_t top = 1440;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RECT start {1440, top, 4320, top + 288};
        auto* field = dynamic_cast<FFIELD*>(Add(kTypeField, start));
        ASSERT_NE(field, nullptr);
        if (c.list) {
            LISTBOXVALUES values;
            values.AppendValue("One");
            field->SetValueList(&values, nullptr);
        }
        if (c.checkBox)
            field->SetDataType(CHECK_DATATYPE(), nullptr);
        field->SetRect(start.left, start.top, start.right, start.bottom);
        field->Select(&view);
        ASSERT_FALSE(field->IsListExtentShown());

        // The right-middle handle lies just outside the right edge.
        const POINT press = At(start.right + 45, (start.top + start.bottom) / 2);
        Drag({press, {press.x - 100, press.y}, {press.x - 250, press.y}});
        const RECT r = RectOf(field);
        EXPECT_EQ(r.left, start.left);
        EXPECT_EQ(r.right - r.left, c.minWidth);
        SIZE after {};
        field->GetMinSize(after);
        EXPECT_EQ(after.cx, 90) << "the common minimum again after the drag";
        EXPECT_EQ(after.cy, 90);
        field->Deselect(&view);
        top += 720;
    }
}

} // namespace

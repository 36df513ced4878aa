// The design view's field tools: the Field, Listbox and Checkbox tools drag
// out fields of their kind with the view's current appearance, each with a
// default name and a field id, entered in the filling order; a list field
// and a check box keep their minimum widths while dragged out.
#include "tests/app/support/designer_window.h"

#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/model/ffield.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST_F(DesignerTest, EachFieldToolMakesItsKindWithTheViewsAttributesAndANameIdAndPlaceInOrder)
{
    view.NewObjectBorder().width = 30;
    view.NewObjectShade().SetColour2(0x00FFEEDD);
    const struct {
        unsigned command;
        uint8_t kind;
        bool list;
        uint8_t alignment;
        POINT from, to;
        int32_t minWidth;
    } cases[] = {
        {32773, kKindText, false, 0, {1440, 1440}, {2016, 1800}, 90},
        {32775, kKindText, true, 0, {1440, 2880}, {1800, 3240}, 720},
        {32779, kKindCheckBox, false, 1, {1440, 4320}, {1584, 4680}, 360},
    };
    uint16_t expectedId = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        ASSERT_TRUE(Enabled(c.command));
        ASSERT_TRUE(view.ExecuteCommand(c.command));
        const POINT from = At(c.from);
        const POINT to = At(c.to);
        Drag({from, {(from.x + to.x) / 2, (from.y + to.y) / 2}, to});
        FFIELD* field = nullptr;
        for (FORMOBJ* o : Objects())
            if (auto* f = dynamic_cast<FFIELD*>(o); f && f->GetFieldID() == expectedId)
                field = f;
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->GetDataType()->GetTypeTag(), c.kind);
        EXPECT_EQ(field->GetValueList() != nullptr, c.list);
        uint8_t alignment = 9;
        field->GetAlignment(&alignment);
        EXPECT_EQ(alignment, c.alignment);
        BORDER border;
        field->GetBorder(&border);
        EXPECT_EQ(border.width, 30);
        BASICSHADE shade;
        field->GetShade(&shade);
        EXPECT_EQ(shade.colour2, 0x00FFEEDDu);
        EXPECT_EQ(field->GetName().rfind("Field_", 0), 0u) << field->GetName();
        const RECT r = RectOf(field);
        EXPECT_GE(r.right - r.left, c.minWidth);
        EXPECT_EQ(doc->GetFieldIDAt(expectedId - 1), expectedId);
        ++expectedId;
    }
    EXPECT_EQ(doc->GetTabOrderCount(), 3);
}

} // namespace

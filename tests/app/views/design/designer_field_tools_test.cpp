// The design view's field tools: the Field, Listbox and Checkbox tools drag
// out fields of their kind with the view's current appearance, each with a
// default name and a field id, entered in the filling order; a list field
// and a check box keep their minimum widths while dragged out.
#include "tests/app/support/designer_window.h"

#include "forms/document/fdocument.h"
#include "forms/fields/datatypes/check_datatype.h"
#include "forms/fields/datatypes/datatype.h"
#include "forms/fields/datatypes/fieldvalues.h"
#include "forms/objects/ffield.h"
#include "forms/objects/fselection.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST_F(DesignerTest, EachFieldToolMakesItsKindWithTheViewsAttributesAndANameIdAndPlaceInOrder)
{
    view.Format().NewObjectBorder().width = 30;
    view.Format().NewObjectShade().SetColour2(0x00FFEEDD);
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

namespace {

TEST_F(DesignerTest, ClickingTheDropZoneShowsTheListExtentWhoseBottomDragsButKeepsOneRow)
{
    FORMOBJ* object = Add(kTypeField, {1440, 1440, 4320, 1728});
    auto* field = dynamic_cast<FFIELD*>(object);
    ASSERT_NE(field, nullptr);
    LISTBOXVALUES values;
    values.AppendValue("One");
    field->SetValueList(&values, nullptr);
    const RECT r = RectOf(field);
    field->SetListBottom(r.bottom + 1440);

    Click(At(r.right - 100, (r.top + r.bottom) / 2));
    EXPECT_EQ(Selected(), std::vector<FORMOBJ*> {field});
    POINT down {};
    EXPECT_TRUE(view.GetLastMouseDown(down));
    EXPECT_NEAR(down.x, r.right - 100, 15) << "a pixel's rounding";
    ASSERT_TRUE(field->IsListExtentShown());

    // Drag the bottom handle of the list far up: the list keeps at least
    // one row of 10-point Arial.
    const int32_t middle = (r.left + r.right) / 2;
    // The handle lies just outside the list's bottom edge: pressed at its
    // middle, 45 twips below.
    const POINT handle = At(middle, r.bottom + 1440 + 45);
    Drag({handle, At(middle, r.bottom + 700), At(middle, r.top)});
    const RECT list = field->GetListExtent();
    EXPECT_EQ(RectOf(field), r) << "the field stays";
    EXPECT_GT(list.bottom - list.top, 150);
    EXPECT_LT(list.bottom - list.top, 1440);

    Click(At(r.left + 100, r.top + 2000));
    EXPECT_FALSE(field->IsListExtentShown()) << "hidden when the field is deselected";
}

// A typed key on the one selected check box opens the caption's editor in
// place and is typed there; the text becomes the caption when the box is
// let go. Keys with Ctrl, and keys on other fields, open nothing.
TEST_F(DesignerTest, ATypedKeyOnASelectedCheckBoxIsTypedIntoItsCaption)
{
    ASSERT_TRUE(view.ExecuteCommand(32779));
    Drag({At(1440, 1440), At(2880, 1600), At(4320, 1800)});
    ASSERT_TRUE(view.ExecuteCommand(32778));
    auto* box = dynamic_cast<FFIELD*>(Objects().back());
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(box->IsCheckBox());
    auto* check = dynamic_cast<CHECK_DATATYPE*>(box->GetDataType());
    ASSERT_NE(check, nullptr);
    check->strCaption.clear();
    FORMOBJ* text = Add(kTypeField, {1440, 2880, 4320, 3168});
    auto type = [&](Qt::KeyboardModifiers modifiers) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Y, modifiers, modifiers ? QString() : QString("y"));
        QCoreApplication::sendEvent(&host, &press);
    };

    text->Select(&view);
    type(Qt::NoModifier);
    EXPECT_EQ(text->EditHookState(), 0) << "a field's value is not edited in the designer";
    view.GetSelection()->Deselect(&view);

    box->Select(&view);
    type(Qt::ControlModifier);
    EXPECT_EQ(check->HasControl(), 0);
    type(Qt::NoModifier);
    ASSERT_EQ(check->HasControl(), 1);
    view.GetSelection()->Deselect(&view);
    EXPECT_EQ(check->HasControl(), 0);
    EXPECT_EQ(check->strCaption, "y");
}

} // namespace

// The field's model: the list extent kept under the field, value lists
// widening and cutting a field, the switches, copies, names, and the
// document's special fields and look-ups.
#include "tests/objects/field_test_support.h"

#include "forms/document/document_objects.h"
#include "forms/document/fdocument.h"
#include "forms/document/special_fields.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/fields/datatypes/textdatatype.h"
#include "forms/model/border.h"
#include "forms/model/fobjlist.h"
#include "platform/ui/message_box.h"
#include "tests/model/shape_fixtures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using FieldModelTest = FieldTest;

std::string Extent(const FFIELD& field)
{
    const RECT r = field.GetListExtent();
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + ","
        + std::to_string(r.bottom);
}

TEST_F(FieldModelTest, TheListExtentStaysUnderTheFieldWithItsHeight)
{
    const struct {
        const char* name;
        void (*change)(FFIELD&);
    } cases[] = {
        {"as made", [](FFIELD&) {}},
        {"moved", [](FFIELD& f) { f.Offset(500, -200, nullptr); }},
        {"resized", [](FFIELD& f) { f.SetRectBy(800, 900, 2000, 1500); }},
        {"set", [](FFIELD& f) { f.SetRect(0, 0, 4000, 600); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto field = MakeField();
        field->SetValueList(Values({"a"}, false).get(), nullptr);
        RECT r;
        field->GetRect(r);
        field->SetListBottom(r.bottom + 1000);
        c.change(*field);
        field->GetRect(r);
        const std::string expected = std::to_string(r.left) + "," + std::to_string(r.bottom) + ","
            + std::to_string(r.right) + "," + std::to_string(r.bottom + 1000);
        EXPECT_EQ(Extent(*field), expected);
        auto copy = std::unique_ptr<FFIELD>(static_cast<FFIELD*>(field->Clone().release()));
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(Extent(*copy), expected) << "the copy has the same list height";
        EXPECT_EQ(copy->GetFieldID(), kNoFieldId);
    }
}

TEST_F(FieldModelTest, GettingValuesWidensANarrowFieldAndCutsATallOneToOneLine)
{
    auto narrow = MakeField({1000, 1000, 1200, 1300});
    narrow->SetValueList(Values({"x"}, true).get(), nullptr);
    RECT r;
    narrow->GetRect(r);
    EXPECT_EQ(r.right - r.left, 360);
    EXPECT_EQ(r.left, 1000) << "the left edge kept";
    EXPECT_EQ(Extent(*narrow), "1000," + std::to_string(r.bottom) + ",1360," + std::to_string(r.bottom + 300))
        << "the list extent: the field as it was, moved down by its height";

    auto tall = MakeField({1000, 1000, 3000, 1600});
    tall->SetValueList(Values({"x"}, true).get(), nullptr);
    tall->GetRect(r);
    EXPECT_GT(r.bottom - r.top, 150);
    EXPECT_LT(r.bottom - r.top, 300) << "one line of a 10-point font";

    tall->SetValueList(nullptr, nullptr);
    EXPECT_EQ(tall->GetValueList(), nullptr);
}

// A smaller size makes a list field one line of the new font; a bigger or
// a mixed size, or any size on a plain field, leaves the height alone.
TEST_F(FieldModelTest, ASmallerFontShrinksAListFieldToOneLineOfIt)
{
    auto lineOf = [this](uint16_t size) {
        gdi::TEXTMETRIC m;
        metrics.GetFont(kDeviceWindow, 991, 0, Font(0, size), 0, &m, nullptr);
        return m.tmAscent + m.tmDescent;
    };
    ASSERT_LT(lineOf(160), lineOf(200));
    const struct {
        const char* name;
        bool list;
        uint16_t size;
        int32_t height; // 0: unchanged
    } cases[] = {
        {"smaller", true, 160, lineOf(160)},
        {"much smaller", true, 120, lineOf(120)},
        {"bigger", true, 280, 0},
        {"mixed", true, kMixedWord, 0},
        {"smaller on a plain field", false, 160, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto field = MakeField({1000, 1000, 3000, 1500});
        field->SetBorder(BORDER(0, 0, kLineNone, 0, 1, 0));
        if (c.list) {
            field->SetValueList(Values({"x"}, true).get(), nullptr);
            field->SetRect(1000, 1000, 3000, 1500);
        }
        TEXTATTR change;
        change.SetMixed();
        change.size = c.size;
        EXPECT_EQ(field->ChangeFont(change, nullptr), 1);
        RECT r;
        field->GetRect(r);
        EXPECT_EQ(r.top, 1000);
        EXPECT_EQ(r.bottom - r.top, c.height ? c.height : 500);
        TEXTATTR now;
        field->GetFont(&now);
        EXPECT_EQ(now.size, c.size == kMixedWord ? 200 : c.size) << "the font changes in every case";
    }
}

// Without a view the border is measured on the screen: the line a list
// field is cut to still holds the font's height inside its border.
TEST_F(FieldModelTest, ACutListFieldHoldsOneLineInsideItsBorderWithoutAView)
{
    const TEXTATTR font = Font(0, 200);
    gdi::TEXTMETRIC m;
    metrics.GetFont(kDeviceWindow, 991, 0, font, 0, &m, nullptr);
    const int32_t line = m.tmAscent + m.tmDescent;
    ASSERT_GT(line, 0);
    const struct {
        const char* name;
        BORDER border;
    } cases[] = {
        {"no border", BORDER(0, 0, kLineNone, 0, 1, 0)},
        {"thin", BORDER(0, 15, kLineSingle, 0, 1, 0)},
        {"thick double", BORDER(0, 60, kLineDouble, 0, 1, 0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto field = MakeField({1000, 1000, 3000, 1900});
        field->SetBorder(c.border);
        field->SetValueList(Values({"x"}, true).get(), nullptr);
        RECT r;
        field->GetRect(r);
        Mapped screen(kDeviceWindow, 15, 1);
        RECT inner;
        field->GetInnerRect(inner, screen.dc);
        EXPECT_GE(inner.bottom - inner.top, line) << "the text fits inside the border";
        EXPECT_LT(r.bottom - r.top, 2 * line) << "one line, not two";
    }
}

TEST_F(FieldModelTest, MandatoryCannotBeSetOnAProtectedFieldButAlwaysCleared)
{
    auto field = MakeField();
    field->OnEvent(6, 1, 0);
    field->OnEvent(5, 1, 0);
    EXPECT_FALSE(field->IsMandatory());
    field->OnEvent(6, 0, 0);
    field->OnEvent(5, 1, 0);
    EXPECT_TRUE(field->IsMandatory());
    field->OnEvent(6, 1, 0);
    field->OnEvent(5, 0, 0);
    EXPECT_FALSE(field->IsMandatory());
}

TEST_F(FieldModelTest, ANewNameIsCheckedNormalisedAndRefusedWhenTaken)
{
    std::vector<std::string> shown;
    ui::ScopedMessageBoxHook hook {[&](const ui::MessageBoxRequest& request) {
        shown.push_back(request.text);
        return ui::IDOK;
    }};
    FDOCUMENT doc;
    auto other = MakeField();
    other->SetName("Total");
    doc.GetObjects().SetObjectPage(std::move(other), 1);
    auto field = MakeField();
    const struct {
        std::string name;
        int answer;
        std::string normalised;
        std::string message;
    } cases[] = {
        {"amount_DUE", 1, "Amount_due", ""},
        {"two words", 0, "", "?"},
        {"TOTAL", 0, "Total", "Name for field already exists. Please change it."},
        {"", 0, "", "?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        shown.clear();
        std::string name = c.name;
        EXPECT_EQ(field->ExtCheck(name, reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(&doc))), c.answer);
        if (c.answer) {
            EXPECT_EQ(name, c.normalised);
        }
        if (c.message.empty()) {
            EXPECT_TRUE(shown.empty());
        } else if (c.message != "?") {
            EXPECT_EQ(shown, std::vector<std::string> {c.message});
        } else {
            EXPECT_EQ(shown.size(), 1u);
        }
    }
}

TEST_F(FieldModelTest, ANewDocumentHasTheFourSpecialFieldsAndFindsThemById)
{
    RegisterDocumentObjects();
    FDOCUMENT doc;
    EXPECT_EQ(doc.GetSpecialFields().GetCount(), 4);
    FORMOBJ* fax = doc.FindField(0xFFFD);
    ASSERT_NE(fax, nullptr);
    EXPECT_EQ(fax->GetName(), "Fax: Recipient Number");
    EXPECT_EQ(doc.FindSpecialField(474), doc.FindField(0xFFFE));
    uint16_t column = 99;
    EXPECT_EQ(doc.GetFieldColumnType(0xFFFB, column), 1);
    EXPECT_EQ(column, kColumnShortText);
    EXPECT_EQ(doc.GetFieldColumnType(77, column), 0);
    EXPECT_EQ(column, 0);
    EXPECT_EQ(doc.GetFieldDataType(77), nullptr);
    SetSpecialFieldMaker(nullptr);
}

TEST_F(FieldModelTest, FieldsTakeIdsAndNamesFromTheDocumentWhenPlacedOrPasted)
{
    CountingDocument doc;
    auto field = MakeField();
    field->ExtRefresh(reinterpret_cast<uintptr_t>(static_cast<OBJECT_DOCUMENT*>(&doc)));
    EXPECT_EQ(field->GetFieldID(), 40);
    EXPECT_EQ(field->GetName(), "Field_7");

    auto number = MakeField();
    NUMBERDATATYPE type;
    type.InitialiseValue();
    number->OnEvent(1, reinterpret_cast<uintptr_t>(static_cast<DATATYPE*>(&type)), 0);
    EXPECT_EQ(number->GetDataType()->GetTypeTag(), kKindNumber);
    EXPECT_NE(number->GetDataType(), &type) << "the field keeps a copy";
    EXPECT_EQ(number->GetAttribute(4, 0), 0) << "no line spacing for a number";
    EXPECT_EQ(field->GetAttribute(4, 0), 1);
    EXPECT_EQ(number->IsCalculable(), 1);
}

} // namespace

namespace {

class ZoneView : public FakeView {
public:
    bool GetLastMouseDown(POINT& out) override
    {
        out = down;
        return true;
    }
    uint16_t GetSelectedCount() override { return count; }
    POINT down {};
    uint16_t count = 0;
};

TEST_F(FieldModelTest, TheListExtentTogglesOnlyInTheDropButtonZoneOfTheOnlySelectedField)
{
    const struct {
        const char* name;
        int32_t x;
        uint16_t othersSelected;
        bool list;
        bool shown;
    } cases[] = {
        {"in the zone", 2800, 0, true, true},
        {"left of the zone", 2500, 0, true, false},
        {"right of the field", 3100, 0, true, false},
        {"one of several selected", 2800, 1, true, false},
        {"no values", 2800, 0, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto field = MakeField({1000, 1000, 3000, 1300});
        if (c.list)
            field->SetValueList(Values({"a"}, true).get(), nullptr);
        RECT r;
        field->GetRect(r);
        field->SetListBottom(r.bottom + 800);
        ZoneView view;
        view.down = {c.x, 1100};
        view.count = c.othersSelected;
        field->Select(&view);
        EXPECT_EQ(field->IsListExtentShown(), c.shown);
        EXPECT_EQ(field->GetHandleMask() == 64u, c.shown);
        RECT bounds;
        field->GetBoundingRect(bounds);
        EXPECT_EQ(bounds.bottom, c.shown ? r.bottom + 800 : r.bottom);
        if (c.shown) {
            view.count = 1;
            field->Select(&view);
            EXPECT_FALSE(field->IsListExtentShown()) << "a second click in the zone hides it";
            field->Select(&view);
            EXPECT_TRUE(field->IsListExtentShown());
        }
        field->Deselect(&view);
        EXPECT_FALSE(field->IsListExtentShown());
    }
}

} // namespace

namespace {

// A field given a master (a style field) answers its data type, values and
// help text from itself; only the line spacing follows the master.
TEST_F(FieldModelTest, AStyledFieldAnswersItsOwnDataButTheMastersLineSpacing)
{
    auto master = MakeField();
    const uint16_t three = 3;
    master->SetAttribute(4, reinterpret_cast<uintptr_t>(&three));
    master->OnEvent(3, reinterpret_cast<uintptr_t>("style help"), 0);

    auto field = MakeField();
    NUMBERDATATYPE number;
    number.InitialiseValue();
    field->OnEvent(1, reinterpret_cast<uintptr_t>(static_cast<DATATYPE*>(&number)), 0);
    field->OnEvent(3, reinterpret_cast<uintptr_t>("own help"), 0);
    auto values = Values({"a", "b"}, true);
    field->OnEvent(2, reinterpret_cast<uintptr_t>(static_cast<FIELDVALUES*>(values.get())), 0);
    field->SetMaster(master.get());

    DATATYPE* type = nullptr;
    ASSERT_EQ(field->GetAttribute(1, reinterpret_cast<uintptr_t>(&type)), 1);
    ASSERT_TRUE(type);
    EXPECT_EQ(type->GetTypeTag(), kKindNumber);
    FIELDVALUES* list = nullptr;
    field->GetAttribute(2, reinterpret_cast<uintptr_t>(&list));
    EXPECT_TRUE(list);
    std::string help;
    field->GetAttribute(3, reinterpret_cast<uintptr_t>(&help));
    EXPECT_EQ(help, "own help");
    uint16_t spacing = 0;
    field->GetAttribute(4, reinterpret_cast<uintptr_t>(&spacing));
    EXPECT_EQ(spacing, 3);
    field->SetMaster(nullptr);
}

} // namespace

// What the base data type answers for a kind that overrides nothing, its
// value record, and the edit rectangle it works out for its field.
#include "forms/fields/datatypes/datatype.h"
#include "tests/fields/datatypes/datatype_test_support.h"
#include "tests/model/test_objects.h"

#include "platform/io/memory_file.h"

#include <gtest/gtest.h>

namespace {

TEST(DataTypeBase, EveryOperationHasItsDefault)
{
    DATATYPE base;
    std::string text = "x";
    std::string message;
    EXPECT_STREQ(base.GetRuntimeClass(), "DATATYPE");
    EXPECT_EQ(base.GetTypeTag(), 0);
    EXPECT_EQ(base.GetColumnType(), kColumnNone);
    EXPECT_EQ(base.GetText(text), 0);
    EXPECT_EQ(base.SetText("a", message, 1), 1);
    EXPECT_EQ(base.StoreText("a"), 0);
    EXPECT_EQ(base.InitialiseValue(), 1);
    EXPECT_EQ(base.CheckRule(message), 1);
    EXPECT_EQ(base.NextSpellWord(nullptr, 0), 5);
    EXPECT_EQ(base.GetValueLength(), -1);
    EXPECT_EQ(base.Clone(), nullptr);
    int negate = 0;
    EXPECT_EQ(base.GetRule(negate, text, message), 0);
    TEXTEDITWND* window = nullptr;
    EXPECT_EQ(base.GetControl(window), 0);
    EXPECT_EQ(base.EndEdit(nullptr, RECT {}, {}), 0) << "no control: nothing taken";
    base.ShowControl(0);
    EXPECT_EQ(base.bShown, 0);
    base.wErrorId = 400;
    base.bEdited = 1;
    EXPECT_EQ(base.Clear(), 0);
    EXPECT_EQ(base.wErrorId, 0);
    EXPECT_EQ(base.bEdited, 0);
    base.SetColumnLimits(kSqlSmallInt, 5, 0);
    EXPECT_EQ(base.limits.dMaxPositive, 32767.0);
}

TEST(DataTypeBase, TheValueRecordIsEmptyAndAnyStoredValueIsSkipped)
{
    DATATYPE base;
    io::MemoryFile out;
    {
        io::Archive ar(out, io::Archive::Store);
        EXPECT_EQ(base.SaveValue(ar), 1);
        ar.Close();
    }
    EXPECT_EQ(ToHex(out.Data()), "00 00 00 00 00 00");

    Bytes stored = Hex("04 00 F5 00 00 00");
    stored.insert(stored.end(), 245, 0xAB);
    stored.push_back(0x99);
    io::MemoryFile in(stored);
    io::Archive ar(in, io::Archive::Load);
    EXPECT_EQ(base.LoadValue(ar), 1);
    EXPECT_EQ(ar.ReadU8(), 0x99);

    io::MemoryFile cut(Hex("04 00 F5 00 00 00 AB AB"));
    io::Archive cutAr(cut, io::Archive::Load);
    EXPECT_EQ(base.LoadValue(cutAr), 0);
}

TEST(DataTypeBase, TheEditRectangleIsTheFieldsTextRectangleOnTheViewsWindow)
{
    g_twipsPerDevice = 15;
    FakeView view;
    TestBox field(kTypeField);
    field.SetPlace(1, {1500, 3000, 4500, 3600});
    VIEWDC dc(&view, kOwnWindow);
    RECT text;
    field.GetTextRect(text, dc);
    RECT expected = text;
    view.ToDeviceRect(expected);
    ASSERT_NE(expected.left, text.left) << "the view maps twips to pixels";

    DATATYPE type;
    RECT out;
    EXPECT_EQ(&type.GetEditRect(out, &view, &field, 0), &out);
    EXPECT_EQ(out, expected);
    EXPECT_TRUE(view.invalidRects.empty());
    type.GetEditRect(out, &view, &field, 1);
    ASSERT_EQ(view.invalidRects.size(), 1u);
    EXPECT_EQ(view.invalidRects[0], expected);
    g_twipsPerDevice = 1;
}

} // namespace

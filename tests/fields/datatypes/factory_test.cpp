// Data types made from their kind codes as a form is read.
#include "forms/fields/datatypes/datatype_factory.h"
#include "forms/fields/datatypes/numberdatatype.h"
#include "forms/fields/datatypes/textdatatype.h"
#include "forms/model/int_exception.h"
#include "tests/fields/datatypes/datatype_test_support.h"

#include <gtest/gtest.h>

namespace {

class DataTypeFactory : public testing::Test {
protected:
    DataTypeFactory() { RegisterValueDataTypes(); }
    ~DataTypeFactory() override
    {
        for (uint8_t kind = 0; kind < 8; ++kind)
            RegisterDataType(kind, nullptr);
    }
};

TEST_F(DataTypeFactory, EachRegisteredKindIsMadeSetUpFromItsCode)
{
    const struct {
        uint8_t kind;
        const char* name; // null: not registered here
        int16_t column;
    } cases[] = {
        {1, "NUMBERDATATYPE", kColumnNumber},
        {2, "DATEDATATYPE", kColumnDate},
        {3, "TEXTDATATYPE", kColumnShortText},
        {4, nullptr, 0},
        {6, "MEMODATATYPE", kColumnLongText},
        {7, nullptr, 0},
        {0, nullptr, 0},
        {200, nullptr, 0},
    };
    for (const auto& c : cases) {
        auto type = CreateDataType(c.kind);
        if (!c.name) {
            EXPECT_EQ(type, nullptr) << int {c.kind};
            continue;
        }
        ASSERT_NE(type, nullptr) << int {c.kind};
        EXPECT_STREQ(type->GetRuntimeClass(), c.name);
        EXPECT_EQ(type->GetTypeTag(), c.kind);
        EXPECT_EQ(type->GetColumnType(), c.column);
        EXPECT_EQ(type->IsTextEntered(), 1);
        EXPECT_EQ(type->IsEmpty(), 1);
    }
    auto box = CreateDataType(kKindCheckBox);
    ASSERT_NE(box, nullptr);
    EXPECT_STREQ(box->GetRuntimeClass(), "CHECK_DATATYPE");
    EXPECT_EQ(box->GetColumnType(), kColumnBoolean);
    EXPECT_EQ(box->IsTextEntered(), 0);
    auto number = CreateDataType(kKindNumber);
    EXPECT_EQ(static_cast<NUMBERDATATYPE&>(*number).pNegative->strMask, "-0.00") << "set up";
}

TEST_F(DataTypeFactory, ASavedGroupIsReadIntoItsKindAndAnUnknownKindIsSteppedOver)
{
    const Bytes group = Hex("03 81 0800 0100 61 0000 00 2B01 FF 99");
    std::unique_ptr<DATATYPE> type;
    uint8_t next = 0;
    ReadBack(group, [&](RECORDARCHIVE& r) {
        type = LoadDataType(r, kKindText);
        next = r.ReadU8();
    });
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(static_cast<TEXTDATATYPE&>(*type).strRule1, "a");
    EXPECT_EQ(type->GetRuleOperator(), 299);
    EXPECT_EQ(next, 0x99);

    const Bytes barcode = Hex("04 81 0100 01 02 FF FF 99");
    ReadBack(barcode, [&](RECORDARCHIVE& r) {
        type = LoadDataType(r, kKindBarcode);
        next = r.ReadU8();
    });
    EXPECT_EQ(type, nullptr);
    EXPECT_EQ(next, 0x99);
}

TEST_F(DataTypeFactory, AKindThatCannotBeMadeOrLoadedRaisesTheLoadError)
{
    RegisterDataType(kKindText, [] { return std::unique_ptr<DATATYPE>(std::make_unique<DATATYPE>()); });
    try {
        ReadBack(Hex("03 FF"), [](RECORDARCHIVE& r) { LoadDataType(r, kKindText); });
        ADD_FAILURE() << "no error";
    } catch (const CIntException& e) {
        EXPECT_EQ(e.GetId(), 201);
    }
}

} // namespace

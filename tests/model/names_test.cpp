#include "tests/model/test_objects.h"

#include <gtest/gtest.h>

namespace {

// A kind whose type name is the given text.
struct Kind : TestBox {
    explicit Kind(const char* name) { typeName = name; }
};

TEST(ObjectNames, DefaultNamesPerKind)
{
    struct Case {
        const char* typeName;
        int16_t number;
        const char* expected;
    };
    const Case cases[] = {
        {"Field_", 7, "Field_7"},
        {"T", 7, "T7"},
        {"Col", 1, "Col1"},
        {"", 7, "7"},
        {"Field_", 0, "Field_0"},
    };
    for (const Case& c : cases) {
        std::string out = "junk";
        EXPECT_EQ(Kind(c.typeName).GetDefaultName(out, c.number), c.expected);
    }
}

TEST(ObjectNames, RecognisesDefaultNamesAndTheirNumbers)
{
    struct Case {
        const char* typeName;
        const char* name;
        int isDefault;
        uint16_t number;
    };
    const Case cases[] = {
        {"Field_", "Field_42", 1, 42},
        {"Field_", "Field_", 1, 0},
        {"Field_", "Field_12345", 1, 12345},
        {"Field_", "Field_123456", 0, 0},
        {"Field_", "Field_12a", 0, 0},
        {"Field_", "Field_65535", 1, 65535},
        {"Field_", "Field_65536", 1, 0},
        {"Field_", "Field_99999", 1, 0},
        {"Field_", "Total", 0, 0},
        {"Field_", "field_3", 0, 0},
        {"Field_", "Field_\xB2", 0, 0},
        {"T", "Field_42", 0, 0},
        {"T", "T3", 1, 3},
        {"Col", "Col1", 1, 1},
        {"", "123", 1, 123},
    };
    for (const Case& c : cases) {
        Kind box(c.typeName);
        EXPECT_EQ(box.IsDefaultName(c.name), c.isDefault) << c.typeName << " / " << c.name;
        EXPECT_EQ(box.GetDefaultNumber(c.name), c.number) << c.typeName << " / " << c.name;
    }
}

TEST(ObjectNames, CheckNameRefusals)
{
    struct Case {
        const char* typeName;
        const char* name;
        uint16_t expected;
    };
    const Case cases[] = {
        {"Field_", "", 132},
        {"Field_", "1Total", 133},
        {"Field_", "Grand Total", 133},
        {"Field_", "_Total", 133},
        {"Field_", "Total-1", 133},
        {"Field_", "FIELD_3", 134},
        {"Field_", "field_3", 134},
        {"Field_", "Field_", 134},
        {"T", "t12", 134},
        {"Col", "COL2", 134},
        {"Field_", "Field_70000", 134},
        {"Field_", "field_99999", 134},
        {"Field_", "Field_123456", 0},
        {"Field_", "Total_1", 0},
        {"Field_", "Field_1x", 0},
        {"Field_", "\xC9t\xE9_2", 0},
        {"", "Box7", 0},
    };
    for (const Case& c : cases) {
        std::string name = c.name;
        EXPECT_EQ(Kind(c.typeName).CheckName(name), c.expected) << c.typeName << " / " << c.name;
        EXPECT_EQ(name, c.name);
    }
}

} // namespace

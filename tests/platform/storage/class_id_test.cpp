#include "platform/storage/class_id.h"

#include <gtest/gtest.h>

using storage::ClassId;

namespace {

ClassId Counting()
{
    ClassId id;
    for (int i = 0; i < 16; ++i)
        id.bytes[i] = static_cast<uint8_t>(i);
    return id;
}

TEST(ClassId, TextShowsTheFirstThreeFieldsLittleEndian)
{
    EXPECT_EQ(Counting().ToString(), "{03020100-0504-0706-0809-0A0B0C0D0E0F}");
    EXPECT_EQ(ClassId {}.ToString(), "{00000000-0000-0000-0000-000000000000}");
    EXPECT_TRUE(ClassId {}.IsNull());
    EXPECT_FALSE(Counting().IsNull());
}

TEST(ClassId, TextIsReadInEveryUsualSpellingAndRefusedOtherwise)
{
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"{03020100-0504-0706-0809-0A0B0C0D0E0F}", true},
        {"03020100-0504-0706-0809-0a0b0c0d0e0f", true},
        {"{03020100-0504-0706-0809-0A0B0C0D0E0F", false},
        {"03020100-0504-0706-0809-0A0B0C0D0E0", false},
        {"03020100-0504-0706-0809-0A0B0C0D0E0FF", false},
        {"03020100+0504-0706-0809-0A0B0C0D0E0F", false},
        {"030201000504-0706-0809-0A0B0C0D0E0F-", false},
        {"0302010G-0504-0706-0809-0A0B0C0D0E0F", false},
        {"", false},
    };
    for (const auto& c : cases) {
        auto id = ClassId::FromString(c.text);
        EXPECT_EQ(id.has_value(), c.valid) << c.text;
        if (id) {
            EXPECT_EQ(*id, Counting()) << c.text;
        }
    }
}

} // namespace

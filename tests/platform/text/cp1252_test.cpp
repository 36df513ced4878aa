#include "platform/text/cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, EveryByteRoundTripsThroughUnicode)
{
    std::string all;
    for (int b = 0; b < 256; ++b) {
        all.push_back(static_cast<char>(b));
        EXPECT_EQ(text::FromUnicode(text::ToUnicode(static_cast<unsigned char>(b))), b) << b;
    }
    EXPECT_EQ(text::FromQString(text::ToQString(all)), all);
    EXPECT_EQ(text::FromUtf8(text::ToUtf8(all)), all);
}

TEST(Cp1252, KnownMappings)
{
    struct Case {
        unsigned char byte;
        char32_t cp;
    };
    for (auto c : {Case {0x80, 0x20AC}, {0x81, 0x81}, {0x8D, 0x8D}, {0x8F, 0x8F}, {0x90, 0x90}, {0x9D, 0x9D},
             {0x92, 0x2019}, {0x9F, 0x0178}, {0xE9, 0xE9}, {'A', 'A'}})
        EXPECT_EQ(text::ToUnicode(c.byte), c.cp) << int(c.byte);
    EXPECT_EQ(text::FromUnicode(0x4E2D), -1);
    EXPECT_EQ(text::FromQString(QString::fromUtf8("a\xe4\xb8\xadz")), "a?z");
}

TEST(Cp1252, LettersAndCase)
{
    EXPECT_TRUE(text::IsAlpha(0xE9)); // é
    EXPECT_TRUE(text::IsAlpha(0x8A)); // Š
    EXPECT_FALSE(text::IsAlpha(0xD7)); // ×
    EXPECT_FALSE(text::IsAlpha(0xF7)); // ÷
    EXPECT_FALSE(text::IsAlpha('_'));
    EXPECT_EQ(text::ToUpper(0xE9), 0xC9);
    EXPECT_EQ(text::ToUpper(0xFF), 0x9F);
    EXPECT_EQ(text::ToUpper(0xDF), 0xDF); // ß has no capital in the code page
    EXPECT_EQ(text::ToLower(0x8C), 0x9C);
    EXPECT_TRUE(text::EqualNoCase("Caf\xe9", "CAF\xc9"));
    EXPECT_FALSE(text::EqualNoCase("abc", "abcd"));
    EXPECT_LT(text::CompareNoCase("abc", "ABD"), 0);
    EXPECT_GT(text::CompareNoCase("abcd", "ABC"), 0);
}

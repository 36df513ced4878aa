// The rich text's buffer from stored text, and the format in force resolved
// against its default.
#include "forms/fields/richtext/richtext.h"

#include "text_helpers.h"

#include <gtest/gtest.h>

namespace {

TEXTATTR DefaultFormat()
{
    TEXTATTR attr;
    attr.Reset();
    attr.bold = 1;
    attr.colour = 0x00123456;
    attr.face = 3;
    attr.size = 200;
    return attr;
}

TEST(RichText, StoredTextWithACutShortCodeEndsAtTheEndMark)
{
    RICHTEXT rich(DefaultFormat(), kTextAlignLeft, 2880, 1440, 0);
    EXPECT_EQ(rich.GetStart(), TEXTPOS());
    const std::string stored = "ab" + Code('I', 1) + "cd" + Code('P', 480).substr(0, 3);
    ASSERT_EQ(rich.CreateBuffer(stored), 1);
    EXPECT_EQ(rich.GetBuffer()->GetText(), "ab" + Code('I', 1) + "cd");

    // Walking every code and character from the start reaches the end mark
    // with the format the codes set.
    TEXTATTR format = rich.GetAttr();
    TEXTPOS pos = rich.GetStart();
    while (!pos.IsAtEnd()) {
        if (pos.GetChar() == kEsc)
            ASSERT_EQ(pos.ApplyCodes(format, true), 1);
        else
            ASSERT_EQ(pos.Move(1), 1);
    }
    EXPECT_EQ(pos, rich.GetEnd());
    EXPECT_EQ(format.italic, 1);
    rich.DeleteBuffer();
    EXPECT_EQ(rich.GetBuffer(), nullptr);
}

TEST(RichText, DefaultValuesInAFormatResolveToTheDefaultFormat)
{
    RICHTEXT rich(DefaultFormat(), kTextAlignCentred, 2880, 1440, 0);
    EXPECT_EQ(rich.SetAlignment(kTextAlignJustified), kTextAlignCentred);
    EXPECT_EQ(rich.GetWidth(), (SIZE {2880, 0}));

    TEXTATTR format;
    format.Reset();
    format.italic = 1;
    for (const auto& code : {Code('B', 2), Code('d', -2), Code('T', -2), Code('P', -2)}) {
        TEXTBUFFER buffer;
        Fill(buffer, code);
        TEXTPOS pos = buffer.GetStart();
        pos.ApplyCode(format);
    }
    const TEXTATTR effective = rich.GetEffectiveAttr(format);
    TEXTATTR expected = DefaultFormat();
    expected.italic = 1;
    EXPECT_TRUE(effective.IsEqual(expected));
}

} // namespace

// The text object as the object table uses it: made by the factory, cloned
// and styled through a master, its line spacing as attribute and event, its
// sample set-up, angle and text replacement.
#include "tests/model/test_objects.h"
#include "tests/objects/text_test_support.h"

#include "forms/model/fobjlist.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using TextObjTest = TextObjectTest;

uint16_t SpacingOf(FORMOBJ& object)
{
    uint16_t spacing = 0;
    EXPECT_EQ(object.GetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing)), 1);
    return spacing;
}

uint8_t AlignmentOf(FORMOBJ& object)
{
    uint8_t align = 0xEE;
    EXPECT_EQ(object.GetAlignment(&align), 1);
    return align;
}

TEXTATTR FontOf(FORMOBJ& object)
{
    TEXTATTR font;
    EXPECT_EQ(object.GetFont(&font), 1);
    return font;
}

void SetSpacing(FORMOBJ& object, uint16_t spacing)
{
    object.SetAttribute(kAttrLineSpacing, reinterpret_cast<uintptr_t>(&spacing));
}

TEST_F(TextObjTest, TheFactoryMakesTextObjectsUnderType0x15)
{
    FOBJLIST list;
    std::unique_ptr<FORMOBJ> made = list.CreateObject(kTypeText);
    ASSERT_NE(made, nullptr);
    EXPECT_STREQ(made->GetRuntimeClass(), "FTEXTOBJ");
    EXPECT_EQ(made->GetType(), kTypeText);
    EXPECT_EQ(SpacingOf(*made), kLineSpacingAuto);
    EXPECT_EQ(made->AcceptsPlacement(), 1);
}

TEST_F(TextObjTest, ACloneOfAnObjectWithAMasterTakesTheMastersLook)
{
    TEXTATTR styleFont = Font(2, 400);
    styleFont.bold = 1;
    styleFont.colour = 0x0000FF;
    auto style = MakeText("style", styleFont, kTextAlignRight);
    SetSpacing(*style, 180);

    auto object = MakeText("own " + Code('I', 1) + "text", Font(1), kTextAlignJustified);
    SetSpacing(*object, 300);
    object->SetRect(100, 200, 2100, 800);
    object->SetRotation(450, nullptr);
    object->SetMaster(style.get());

    std::unique_ptr<FORMOBJ> clone = object->Clone();
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->GetMaster(), style.get());
    // Without the master the clone shows what it was given of it.
    clone->SetMaster(nullptr);
    EXPECT_TRUE(FontOf(*clone).IsEqual(styleFont));
    EXPECT_EQ(AlignmentOf(*clone), kTextAlignRight);
    EXPECT_EQ(SpacingOf(*clone), 180);
    auto& text = dynamic_cast<FTEXTOBJ&>(*clone);
    EXPECT_EQ(text.GetText().View(), "own " + Code('I', 1) + "text");
    RECT r;
    clone->GetRect(r);
    EXPECT_EQ(r, (RECT {100, 200, 2100, 800}));
    uint16_t angle = 0;
    EXPECT_EQ(clone->QueryAngle(&angle), 1);
    EXPECT_EQ(angle, 450);
    EXPECT_EQ(clone->GetSelected(), 0);

    // Without a master the clone keeps the object's own look.
    object->SetMaster(nullptr);
    std::unique_ptr<FORMOBJ> plain = object->Clone();
    EXPECT_TRUE(FontOf(*plain).IsEqual(Font(1)));
    EXPECT_EQ(AlignmentOf(*plain), kTextAlignJustified);
    EXPECT_EQ(SpacingOf(*plain), 300);
}

TEST_F(TextObjTest, SavingAnObjectWithAMasterWritesTheMastersLookAndKeepsTheInlineCodes)
{
    // Face 0: read without the file's font table, faces become 0.
    TEXTATTR styleFont = Font(0, 400);
    styleFont.bold = 1;
    styleFont.colour = 0x00C000;
    auto style = MakeText("style", styleFont, kTextAlignRight);
    SetSpacing(*style, 180);
    style->SetName("Heading");
    const std::string text = "a" + Code('B', 0) + "b" + Code('U', kUnderlineWord) + "c" + Code('P', 300) + "d";
    auto object = MakeText(text, Font(1), kTextAlignLeft);
    object->SetMaster(style.get());

    const Bytes written = Written([&](RECORDARCHIVE& ar) { object->Save(ar, kTypeText); });
    EXPECT_EQ(object->GetMaster(), style.get()) << "the link stays";
    EXPECT_EQ(object->GetText().View(), text);
    FTEXTOBJ loaded;
    ReadBack(written, [&](RECORDARCHIVE& ar) { loaded.Load(ar, 0); });
    EXPECT_EQ(loaded.GetText().View(), text);
    EXPECT_TRUE(FontOf(loaded).IsEqual(styleFont));
    EXPECT_EQ(AlignmentOf(loaded), kTextAlignRight);
    EXPECT_EQ(SpacingOf(loaded), 180);

    // Changing the line spacing ends the link and keeps the codes too.
    object->OnEvent(kAttrLineSpacing, 240, 0);
    EXPECT_EQ(object->GetMaster(), nullptr);
    EXPECT_EQ(object->GetText().View(), text);
    EXPECT_TRUE(FontOf(*object).IsEqual(styleFont));
}

TEST_F(TextObjTest, TakingAnotherTextObjectsAppearanceTakesItsTextToo)
{
    auto source = MakeText("source " + Code('B', 1) + "text", Font(3, 300), kTextAlignCentred);
    SetSpacing(*source, 240);
    auto object = MakeText("mine", Font(1));
    object->TakeAppearanceFrom(*source);
    EXPECT_EQ(object->GetText().View(), source->GetText().View());
    EXPECT_TRUE(FontOf(*object).IsEqual(Font(3, 300)));
    EXPECT_EQ(AlignmentOf(*object), kTextAlignCentred);
    EXPECT_EQ(SpacingOf(*object), 240);
}

TEST_F(TextObjTest, LineSpacingFollowsTheMasterUntilTheEventSetsItsOwn)
{
    auto style = MakeText("style", Font(2, 300), kTextAlignRight);
    SetSpacing(*style, 180);
    auto object = MakeText("text", Font(1));
    object->SetRect(1500, 1500, 3000, 2400);
    object->SetMaster(style.get());
    EXPECT_EQ(SpacingOf(*object), 180) << "the master's";

    FakeView view;
    object->OnEvent(kAttrLineSpacing, 240, reinterpret_cast<uintptr_t>(&view));
    EXPECT_EQ(object->GetMaster(), nullptr);
    EXPECT_EQ(SpacingOf(*object), 240);
    EXPECT_TRUE(FontOf(*object).IsEqual(Font(2, 300))) << "the master's look became its own";
    EXPECT_EQ(AlignmentOf(*object), kTextAlignRight);
    EXPECT_FALSE(view.invalidRects.empty());

    object->OnEvent(3, 999, reinterpret_cast<uintptr_t>(&view));
    EXPECT_EQ(SpacingOf(*object), 240) << "other events are not a text object's";
    uint16_t unused = 0;
    EXPECT_EQ(object->GetAttribute(1, reinterpret_cast<uintptr_t>(&unused)), 0);
}

TEST_F(TextObjTest, TheSampleSetUpShowsTheSampleTextInTheDefaultFont)
{
    TEXTATTR big = Font(4, 600);
    big.italic = 1;
    auto object = MakeText("anything", big, kTextAlignCentred);
    object->SetRect(5000, 5000, 9000, 9000);
    object->ResetToDefaults();
    EXPECT_EQ(object->GetText().View(), "AaBbYyZz");
    TEXTATTR expected;
    expected.Reset();
    EXPECT_TRUE(FontOf(*object).IsEqual(expected));
    RECT r;
    object->GetRect(r);
    EXPECT_EQ(r, (RECT {190, 190, 1250, 1250}));
    EXPECT_EQ(object->GetPage(), 1);
}

TEST_F(TextObjTest, AReplacementTableReplacesTheWholeTextOfTheFirstMatchingKey)
{
    const TEXTREPLACEMENT entries[] = {
        {"Dear", 4, "Dear Sir,\r\nYours"},
        {"Hello there", 11, "Hi"},
        {"Dear John", 9, "never reached"},
    };
    const TEXTREPLACEMENTS table {3, entries};
    const struct {
        const char* text;
        const char* result;
    } cases[] = {
        {"Dear John", "Dear Sir,\nYours"},
        {"Hello", "Hi"},
        {"Hello world", "Hello world"},
        {"dear", "dear"},
        {"Other", "Other"},
    };
    for (const auto& c : cases) {
        auto object = MakeText(c.text, Font(0));
        EXPECT_EQ(object->EditHookQuery(reinterpret_cast<uintptr_t>(&table)), 1);
        EXPECT_EQ(object->GetText().View(), c.result) << c.text;
    }
}

} // namespace

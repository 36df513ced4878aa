// The box: its attributes, master, record groups in any order, drawing on
// the screen and on a picture, and copies.
#include "forms/model/border.h"
#include "forms/model/fbox.h"
#include "forms/model/object_factory.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/shape_classes.h"

#include "tests/model/shape_fixtures.h"
#include "tests/model/test_objects.h"

#include <gtest/gtest.h>

namespace {

constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kGreen = 0x00FF00;

BORDER Thick()
{
    return BORDER(2, 100, kLineDouble, kBlue, 0, 144);
}

SHADOW Drop(int16_t x, int16_t y)
{
    SHADOW s;
    s.colour = kGreen;
    s.x = x;
    s.y = y;
    return s;
}

std::unique_ptr<FBOX> Box(RECT r = {1000, 1000, 3000, 2000})
{
    auto box = std::make_unique<FBOX>();
    EXPECT_EQ(box->Init(), 1);
    box->SetRect(r.left, r.top, r.right, r.bottom);
    return box;
}

TEST(Box, InitGivesARoundedFlagAndSetBorderKeepsIt)
{
    auto box = Box();
    BORDER b;
    ASSERT_EQ(box->GetBorder(&b), 1);
    EXPECT_EQ(b.roundedFlag, 1u);
    EXPECT_EQ(b.width, 20);
    BORDER square = Thick();
    square.roundedFlag = 0;
    box->SetBorder(square);
    box->GetBorder(&b);
    EXPECT_EQ(b.roundedFlag, 1u);
    EXPECT_EQ(b.width, 100);
    EXPECT_EQ(b.rounding, 250) << "the rounding follows the width on copying";
    SHADOW s;
    ASSERT_EQ(box->GetShadow(&s), 1);
    EXPECT_TRUE(s.IsNone());
    SIZE min;
    box->GetMinSize(min);
    EXPECT_EQ(min, (SIZE {90, 90}));
}

TEST(Box, RecordGroupsAreWrittenInTheOrder1325AndReadInAnyOrder)
{
    auto box = Box();
    box->SetPage(2);
    box->SetBorder(Thick());
    BASICSHADE fill;
    fill.SetColour1(kGreen);
    fill.SetPattern(7);
    box->SetShade(fill);
    box->SetShadow(Drop(90, -90));
    const std::vector<uint8_t> bytes = Written([&](RECORDARCHIVE& ar) { box->Save(ar, box->GetType()); });
    ASSERT_EQ(bytes.front(), kTypeBox);
    ASSERT_EQ(bytes.back(), kEndGroup);
    const auto groups = GroupItems(bytes);
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[0][0], 1);
    BORDER own;
    box->GetBorder(&own);
    EXPECT_EQ(groups[1], Written([&](RECORDARCHIVE& ar) { own.Save(ar, 3); }));
    EXPECT_EQ(groups[2], Written([&](RECORDARCHIVE& ar) { fill.Save(ar, 2); }));
    EXPECT_EQ(groups[3], Written([&](RECORDARCHIVE& ar) { Drop(90, -90).Save(ar, 5); }));

    // Groups 5, 2, 3, 1 and an unknown group 9 load the same box.
    std::vector<uint8_t> shuffled = {kTypeBox};
    for (int i : {3, 2, 1})
        shuffled.insert(shuffled.end(), groups[i].begin(), groups[i].end());
    for (uint8_t b : {0x09, 0x81, 0x01, 0x00, 0x00, 0xFF})
        shuffled.push_back(b);
    shuffled.insert(shuffled.end(), groups[0].begin(), groups[0].end());
    shuffled.push_back(kEndGroup);
    FBOX loaded;
    ASSERT_EQ(loaded.Init(), 1);
    ReadBack(
        std::vector<uint8_t>(shuffled.begin() + 1, shuffled.end()), [&](RECORDARCHIVE& ar) { loaded.Load(ar, 0); });
    EXPECT_EQ(Written([&](RECORDARCHIVE& ar) { loaded.Save(ar, loaded.GetType()); }), bytes);
}

TEST(Box, TheBorderIsLoadedAsStoredFlagIncluded)
{
    const BORDER square(1, 20, kLineSingle, 0, 0, 144);
    std::vector<uint8_t> bytes = Written([&](RECORDARCHIVE& ar) { square.Save(ar, 3); });
    bytes.push_back(kEndGroup);
    FBOX box;
    box.Init();
    ReadBack(bytes, [&](RECORDARCHIVE& ar) { box.Load(ar, 0); });
    BORDER b;
    box.GetBorder(&b);
    EXPECT_EQ(b.roundedFlag, 0u);
}

TEST(Box, AMasterIsDrawnAndClonedButTheOwnMembersAreSaved)
{
    auto style = Box();
    style->SetName("Heavy");
    style->SetBorder(Thick());
    style->SetShadow(Drop(90, 90));
    auto box = Box();
    box->SetMaster(style.get());

    BORDER b;
    box->GetBorder(&b);
    EXPECT_EQ(b.width, 100) << "the master's border";
    Mapped drawn;
    box->Draw(drawn.dc);
    Mapped master;
    style->Draw(master.dc);
    EXPECT_EQ(drawn.surface.Lines(), master.surface.Lines()) << "drawn with the master's look";

    auto copy = box->Clone();
    ASSERT_TRUE(copy);
    EXPECT_EQ(copy->GetMaster(), style.get());
    copy->SetMaster(nullptr);
    copy->GetBorder(&b);
    EXPECT_EQ(b.width, 100) << "the copy's own members hold the master's look";

    FakeDocument doc;
    const std::vector<uint8_t> bytes = Written([&](RECORDARCHIVE& ar) { box->Save(ar, box->GetType()); }, &doc);
    EXPECT_EQ(box->GetMaster(), style.get()) << "saving keeps the link";
    const auto groups = GroupItems(bytes);
    ASSERT_EQ(groups.size(), 4u);
    EXPECT_EQ(groups[1], Written([&](RECORDARCHIVE& ar) {
        style->GetBorder(&b);
        b.Save(ar, 3);
    }));
    const auto base = GroupItems(groups[0]);
    ASSERT_EQ(base.size(), 4u);
    EXPECT_EQ(base[2][0], 0x83) << "the master's name";
}

TEST(Box, Drawing)
{
    struct Case {
        const char* what;
        uint8_t device;
        SHADOW shadow;
        uint16_t rounding;
        std::vector<std::string> calls;
    } cases[] = {
        {"no shadow: fill and four bars", kDeviceWindow, Drop(0, 0), 0,
            {"PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt"}},
        {"a shadow's two strips first", kDeviceWindow, Drop(90, 90), 0,
            {"PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt"}},
        {"rounded with a shadow: region, clipped fill, rounded border", kDeviceWindow, Drop(90, 90), 144,
            {"FillRegion", "PatBlt", "RoundRect"}},
        {"rounded on a picture: one rounded rectangle, no shadow", kDevicePicture, Drop(90, 90), 144, {"RoundRect"}},
        {"square on a picture", kDevicePicture, Drop(0, 0), 0, {"PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt"}},
        {"on the printer", kDevicePrinter, Drop(90, 90), 0,
            {"PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt"}},
        {"in print preview", kDevicePreview, Drop(90, 90), 0,
            {"PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt", "PatBlt"}},
        {"rounded on the printer", kDevicePrinter, Drop(90, 90), 250, {"FillRegion", "PatBlt", "RoundRect"}},
    };
    for (const Case& c : cases) {
        auto box = Box();
        BORDER b;
        b.rounding = c.rounding;
        box->SetBorder(b);
        box->SetShadow(c.shadow);
        Mapped m(c.device);
        box->Draw(m.dc);
        EXPECT_EQ(m.Names(), c.calls) << c.what;
    }

    // The fill covers the outer rectangle; with a shadow it is the
    // shadow's rectangle.
    auto box = Box();
    box->SetShadow(Drop(90, 90));
    Mapped m;
    box->Draw(m.dc);
    ASSERT_EQ(m.Fills().size(), 7u);
    EXPECT_EQ(m.Fills()[0], (RECT {3010, 1080, 3100, 2100}));
    EXPECT_EQ(m.Fills()[1], (RECT {1080, 2010, 3100, 2100}));
    EXPECT_EQ(m.Fills()[2], (RECT {990, 990, 3010, 2010}));
}

TEST(Box, CloneCopiesTheAppearanceAndPlaceButNotNameOrRotation)
{
    auto box = Box({500, 600, 700, 800});
    box->SetBorder(Thick());
    box->SetShadow(Drop(-90, 90));
    box->SetName("Box1");
    box->SetPage(3);
    box->SetSelectFlag(1);
    box->SetRotation(450, nullptr);
    auto copy = box->Clone();
    ASSERT_TRUE(copy);
    EXPECT_STREQ(copy->GetRuntimeClass(), "FBOX");
    RECT r;
    copy->GetRect(r);
    EXPECT_EQ(r, (RECT {500, 600, 700, 800}));
    EXPECT_EQ(copy->GetPage(), 0);
    EXPECT_EQ(copy->GetSelected(), 0);
    EXPECT_TRUE(copy->GetName().empty());
    EXPECT_EQ(copy->GetRotation(), 0);
    BORDER b;
    copy->GetBorder(&b);
    EXPECT_TRUE(b.IsEqual([&] {
        BORDER own;
        box->GetBorder(&own);
        return own;
    }()));
    SHADOW s;
    copy->GetShadow(&s);
    EXPECT_TRUE(s.IsEqual(Drop(-90, 90)));
}

TEST(ShapeClasses, TheFactoryMakesEachKindByItsTypeByte)
{
    RegisterShapeClasses();
    struct Case {
        uint8_t type;
        const char* name;
    } cases[] = {{0x13, "FBOX"}, {0x11, "FELLIPSE"}, {0x16, "FLINE"}, {0x12, "FORTHLINE"}};
    for (const Case& c : cases) {
        ObjectCreator make = FindObjectClass(c.type);
        ASSERT_NE(make, nullptr) << c.name;
        std::unique_ptr<FORMOBJ> o = make();
        EXPECT_STREQ(o->GetRuntimeClass(), c.name);
        EXPECT_EQ(o->GetType(), c.type);
        UnregisterObjectClass(c.type);
    }
}

} // namespace

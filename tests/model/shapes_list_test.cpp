// Every shape kind saved in an object list and loaded back through the
// factory, byte for byte.
#include "forms/model/border.h"
#include "forms/model/fbox.h"
#include "forms/model/fellipse.h"
#include "forms/model/fline.h"
#include "forms/model/fobjlist.h"
#include "forms/model/forthline.h"
#include "forms/model/object_factory.h"
#include "forms/model/shade.h"
#include "forms/model/shadow.h"
#include "forms/model/shape_classes.h"

#include "tests/model/shape_fixtures.h"
#include "tests/model/test_objects.h"

#include <gtest/gtest.h>

namespace {

// The shape kinds registered for one test.
struct ShapeKinds {
    ShapeKinds() { RegisterShapeClasses(); }
    ~ShapeKinds()
    {
        for (uint8_t type : {kTypeBox, kTypeEllipse, kTypeLine, kTypeOrthLine})
            UnregisterObjectClass(type);
    }
};

TEST(ShapeList, EveryKindRoundTripsThroughAnObjectList)
{
    ShapeKinds kinds;
    BASICSHADE fill;
    fill.SetColour1(0x00FF00);
    fill.SetPattern(6);
    SHADOW drop;
    drop.colour = 0x808080;
    drop.x = -90;
    drop.y = 90;

    FOBJLIST list;
    auto box = std::make_unique<FBOX>();
    box->Create(fill, BORDER(3, 80, kLineDouble, 0xFF, 1, 144), drop);
    box->SetRect(100, 200, 1300, 900);
    box->SetName("Box1");
    box->SetPage(1);
    list.AddTail(std::move(box));
    auto ellipse = std::make_unique<FELLIPSE>();
    ellipse->Create(fill, BORDER(1, 40, kLineSingle, 0xFF0000, 0, 0), drop);
    ellipse->SetRect(1500, 200, 2500, 900);
    ellipse->SetPage(1);
    list.AddTail(std::move(ellipse));
    auto line = std::make_unique<FLINE>();
    line->Create(BORDER(4, 60, kLineSingle, 0x0000FF, 0, 0));
    line->SetEnds({4000, 1000}, {3000, 200});
    line->SetPage(2);
    list.AddTail(std::move(line));
    auto orth = std::make_unique<FORTHLINE>();
    orth->InitNew(BORDER(5, 100, kLineDouble, 0, 0, 0));
    orth->SetRect(100, 2000, 5000, 2000);
    orth->SetPage(2);
    list.AddTail(std::move(orth));

    const std::vector<uint8_t> bytes = Written([&](RECORDARCHIVE& ar) { list.Save(ar, 0x28, 0); });
    FOBJLIST loaded;
    ReadBack(std::vector<uint8_t>(bytes.begin() + 1, bytes.end()), [&](RECORDARCHIVE& ar) { loaded.Load(ar, 0); });
    ASSERT_EQ(loaded.GetCount(), 4);
    std::vector<std::string> classes;
    for (FORMOBJ* o = loaded.GetHead(); o; o = o->GetNext())
        classes.push_back(o->GetRuntimeClass());
    EXPECT_EQ(classes, (std::vector<std::string> {"FBOX", "FELLIPSE", "FLINE", "FORTHLINE"}));
    EXPECT_EQ(loaded.GetHead()->GetName(), "Box1");
    EXPECT_EQ(Written([&](RECORDARCHIVE& ar) { loaded.Save(ar, 0x28, 0); }), bytes);
}

} // namespace

#include "forms/model/resize_update_rgn.h"
#include "forms/model/viewdc.h"
#include "tests/model/test_objects.h"

#include <gtest/gtest.h>

namespace {

Outline Square(int32_t l, int32_t t, int32_t r, int32_t b)
{
    return {{{l, t}, {l, b}, {r, b}, {r, t}}};
}

bool SameOutline(const Outline& a, const Outline& b)
{
    return std::equal(a.pt, a.pt + 4, b.pt);
}

TEST(ResizeUpdateHint, ViewOfAnotherPageIgnoresIt)
{
    RESIZEUPDATERGN hint(kHintOutlineChanged, 2);
    FakeView view;
    view.currentPage = 1;
    hint.InvalidateView(&view);
    EXPECT_TRUE(view.invalidOutlines.empty());
    EXPECT_EQ(view.updates, 0);
}

TEST(ResizeUpdateHint, EachViewRepaintsBothOutlinesAtItsScale)
{
    RESIZEUPDATERGN hint(kHintOutlineChanged, 1);
    hint.before = Square(300, 600, 1500, 900);
    hint.after = Square(3000, 600, 4500, 1200);
    const Outline before = hint.before;
    const Outline after = hint.after;

    struct Case {
        int twipsPerDevice;
        int32_t originX;
        Outline expectedBefore;
        Outline expectedAfter;
    };
    const Case cases[] = {
        {15, 0, Square(20, 40, 100, 60), Square(200, 40, 300, 80)},
        {3, 300, Square(0, 200, 400, 300), Square(900, 200, 1400, 400)},
    };
    for (const Case& c : cases) {
        FakeView view;
        view.originX = c.originX;
        g_twipsPerDevice = c.twipsPerDevice;
        hint.InvalidateView(&view);
        g_twipsPerDevice = 1;
        ASSERT_EQ(view.invalidOutlines.size(), 2u);
        EXPECT_TRUE(SameOutline(view.invalidOutlines[0], c.expectedBefore));
        EXPECT_TRUE(SameOutline(view.invalidOutlines[1], c.expectedAfter));
        EXPECT_EQ(view.updates, 1);
        EXPECT_TRUE(SameOutline(hint.before, before)) << "points back in logical units";
        EXPECT_TRUE(SameOutline(hint.after, after));
    }
}

TEST(ResizeUpdateHint, BeforeComesInDeviceUnitsAndGoesToLogical)
{
    FakeView view;
    view.originX = 100;
    g_twipsPerDevice = 10;
    VIEWDC dc(&view);
    view.SetupOwnDC(dc);
    g_twipsPerDevice = 1;
    RESIZEUPDATERGN hint(kHintOutlineChanged, 1);
    Outline device = Square(1, 2, 3, 4);
    hint.SetBefore(device.pt);
    hint.BeforeToLogical(dc);
    EXPECT_TRUE(SameOutline(hint.before, Square(110, 20, 130, 40)));
}

} // namespace

#include "platform/gdi/region.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace gdi;

struct CombineCase {
    const char* name;
    Region a, b;
    int mode;
    int expectedType;
    RECT expectedBox;
};

TEST(Region, CombinationsAnswerGdiResultCodes)
{
    const Region left = Region::Rect(0, 0, 10, 10);
    const Region overlapping = Region::Rect(5, 0, 15, 10); // same rows: unions stay one rectangle
    const Region diagonal = Region::Rect(5, 5, 15, 15);
    const Region apart = Region::Rect(20, 20, 30, 30);
    const CombineCase cases[] = {
        {"and of overlapping", left, diagonal, RGN_AND, SIMPLEREGION, {5, 5, 10, 10}},
        {"and of disjoint", left, apart, RGN_AND, NULLREGION, {}},
        {"or of side by side", left, overlapping, RGN_OR, SIMPLEREGION, {0, 0, 15, 10}},
        {"or of diagonal", left, diagonal, RGN_OR, COMPLEXREGION, {0, 0, 15, 15}},
        {"xor of itself", left, left, RGN_XOR, NULLREGION, {}},
        {"xor of overlapping", left, overlapping, RGN_XOR, COMPLEXREGION, {0, 0, 15, 10}},
        {"diff leaving a strip", left, overlapping, RGN_DIFF, SIMPLEREGION, {0, 0, 5, 10}},
        {"diff leaving an L", left, diagonal, RGN_DIFF, COMPLEXREGION, {0, 0, 10, 10}},
        {"diff of itself", left, left, RGN_DIFF, NULLREGION, {}},
        {"copy", diagonal, left, RGN_COPY, SIMPLEREGION, {5, 5, 15, 15}},
    };
    for (const CombineCase& c : cases) {
        Region result;
        EXPECT_EQ(result.Combine(c.a, c.b, c.mode), c.expectedType) << c.name;
        RECT box;
        EXPECT_EQ(result.GetBox(box), c.expectedType) << c.name;
        EXPECT_EQ(box, c.expectedBox) << c.name;
    }
}

TEST(Region, UnknownModeIsAnErrorAndChangesNothing)
{
    Region result = Region::Rect(1, 1, 2, 2);
    EXPECT_EQ(result.Combine(Region::Rect(0, 0, 5, 5), Region::Rect(0, 0, 5, 5), 9), ERROR);
    EXPECT_EQ(result, Region::Rect(1, 1, 2, 2));
}

TEST(Region, CombiningIntoAnOperandWorks)
{
    Region r = Region::Rect(0, 0, 10, 10);
    EXPECT_EQ(r.Combine(r, Region::Rect(0, 0, 5, 10), RGN_DIFF), SIMPLEREGION);
    EXPECT_EQ(r, Region::Rect(5, 0, 10, 10));
}

struct PointCase {
    int x, y;
    bool inside;
};

TEST(Region, ShapesExcludeTheirRightAndBottomEdges)
{
    const Region rect = Region::Rect(10, 10, 20, 20);
    for (const PointCase& p :
        {PointCase {10, 10, true}, {19, 19, true}, {20, 15, false}, {15, 20, false}, {9, 15, false}})
        EXPECT_EQ(rect.Contains(p.x, p.y), p.inside) << p.x << "," << p.y;

    // The ellipse in [0, 100) × [0, 50): centre and axis ends in, corners out.
    const Region ellipse = Region::Ellipse(0, 0, 100, 50);
    for (const PointCase& p : {PointCase {50, 25, true}, {0, 25, true}, {99, 25, true}, {50, 0, true}, {50, 49, true},
             {2, 2, false}, {97, 47, false}, {100, 25, false}, {50, 50, false}})
        EXPECT_EQ(ellipse.Contains(p.x, p.y), p.inside) << "ellipse " << p.x << "," << p.y;
    RECT box;
    EXPECT_EQ(ellipse.GetBox(box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT {0, 0, 100, 50}));
}

TEST(Region, RoundedRectangleCornersFollowTheCornerEllipse)
{
    // Corner ellipse 20 × 20: a radius of 10 in each corner.
    const Region r = Region::RoundRect(0, 0, 101, 61, 20, 20);
    for (const PointCase& p : {PointCase {0, 30, true}, {50, 0, true}, {100, 30, true}, {50, 60, true}, {0, 0, false},
             {1, 1, false}, {100, 60, false}, {3, 3, true}, {10, 0, true}})
        EXPECT_EQ(r.Contains(p.x, p.y), p.inside) << p.x << "," << p.y;
    RECT box;
    r.GetBox(box);
    EXPECT_EQ(box, (RECT {0, 0, 101, 61}));
    // Without rounding it is the rectangle.
    EXPECT_EQ(Region::RoundRect(0, 0, 10, 10, 0, 0), Region::Rect(0, 0, 10, 10));
}

TEST(Region, AHugeRoundedRectangleCostsOnlyItsCorners)
{
    // Two thousand million rows with small corners: built quickly, the same
    // corners as a small one, and no overflow in its width.
    const Region r = Region::RoundRect(-1000000000, -1000000000, 1000000000, 1000000000, 20, 20);
    EXPECT_FALSE(r.Contains(-1000000000, -1000000000));
    EXPECT_TRUE(r.Contains(-1000000000 + 3, -1000000000 + 3));
    EXPECT_TRUE(r.Contains(0, 0));
    EXPECT_TRUE(r.Contains(-1000000000, 0));
}

TEST(Region, CurvedRegionsCombineWithGdiResultCodes)
{
    // An ellipse in (0, 0)-(100, 60), centre (50, 30).
    const Region ellipse = Region::Ellipse(0, 0, 100, 60);
    const Region window = Region::Rect(-10, -10, 500, 500);
    const Region leftHalf = Region::Rect(0, 0, 50, 60);
    const Region apart = Region::Rect(200, 200, 210, 210);
    const Region other = Region::Ellipse(50, 0, 150, 60);
    struct Case {
        const char* name;
        Region a, b;
        int mode;
        int type;
        RECT box;
        std::vector<PointCase> points;
    } cases[] = {
        {"and with a window holding it: the ellipse itself", window, ellipse, RGN_AND, COMPLEXREGION, {0, 0, 100, 60},
            {{50, 30, true}, {1, 1, false}}},
        {"and with a half", ellipse, leftHalf, RGN_AND, COMPLEXREGION, {0, 0, 50, 60},
            {{10, 30, true}, {49, 30, true}, {50, 30, false}, {1, 1, false}}},
        {"and apart", ellipse, apart, RGN_AND, NULLREGION, {}, {}},
        {"rectangle less the ellipse", leftHalf, ellipse, RGN_DIFF, COMPLEXREGION, {0, 0, 50, 60},
            {{1, 1, true}, {10, 30, false}, {49, 59, false}}},
        {"ellipse less a half", ellipse, leftHalf, RGN_DIFF, COMPLEXREGION, {50, 0, 100, 60},
            {{60, 30, true}, {40, 30, false}}},
        {"ellipse less something apart", ellipse, apart, RGN_DIFF, COMPLEXREGION, {0, 0, 100, 60}, {{50, 30, true}}},
        {"or of two ellipses", ellipse, other, RGN_OR, COMPLEXREGION, {0, 0, 150, 60},
            {{10, 30, true}, {140, 30, true}, {75, 30, true}, {75, 1, false}}},
        {"xor of two ellipses", ellipse, other, RGN_XOR, COMPLEXREGION, {0, 0, 150, 60},
            {{10, 30, true}, {140, 30, true}, {75, 30, false}}},
        {"xor of itself", ellipse, ellipse, RGN_XOR, NULLREGION, {}, {}},
        {"or with nothing", ellipse, Region(), RGN_OR, COMPLEXREGION, {0, 0, 100, 60}, {{50, 30, true}}},
    };
    for (const Case& c : cases) {
        Region result;
        EXPECT_EQ(result.Combine(c.a, c.b, c.mode), c.type) << c.name;
        RECT box;
        EXPECT_EQ(result.GetBox(box), c.type) << c.name;
        EXPECT_EQ(box, c.box) << c.name;
        for (const PointCase& p : c.points)
            EXPECT_EQ(result.Contains(p.x, p.y), p.inside) << c.name << " at " << p.x << "," << p.y;
    }
    Region same;
    same.Combine(window, ellipse, RGN_AND);
    EXPECT_EQ(same, ellipse) << "a window holding the shape leaves it as it is";
}

TEST(Region, ACurvedRegionAsRectanglesHoldsThePixelsItContains)
{
    Region ellipse = Region::Ellipse(3, 5, 80, 47);
    ellipse.Offset(10, -3);
    Region rects;
    for (const RECT& r : ellipse.Rects({-100, -100, 200, 200}))
        rects.Combine(rects, Region::Rect(r), RGN_OR);
    for (int y = -5; y < 50; ++y)
        for (int x = 5; x < 100; ++x)
            ASSERT_EQ(rects.Contains(x, y), ellipse.Contains(x, y)) << x << "," << y;
    EXPECT_TRUE(ellipse.Intersects({50, 20, 51, 21}));
    EXPECT_FALSE(ellipse.Intersects({13, 2, 15, 4})) << "the bounds' corner";

    // Cut to an area, the rows are those of the area only.
    const std::vector<RECT> cut = ellipse.Rects({40, 20, 60, 25});
    ASSERT_FALSE(cut.empty());
    for (const RECT& r : cut) {
        EXPECT_GE(r.left, 40);
        EXPECT_LE(r.right, 60);
        EXPECT_GE(r.top, 20);
        EXPECT_LE(r.bottom, 25);
    }
}

TEST(Region, HugeCurvedRegionsCostNoMoreThanSmallOnes)
{
    // Shapes two thousand million pixels across, as a damaged file gives:
    // built, combined, tested and measured at once.
    const auto start = std::chrono::steady_clock::now();
    const int big = 1000000000;
    const Region ellipse = Region::Ellipse(-big, -big, big, big);
    const Region tall = Region::Ellipse(0, -big, 2000, big);
    const Region round = Region::RoundRect(-big, -big, big, big, big, big);
    Region clipped;
    EXPECT_EQ(clipped.Combine(Region::Rect(0, 0, 5000, 7000), ellipse, RGN_AND), COMPLEXREGION);
    EXPECT_TRUE(clipped.Contains(2500, 3500));
    EXPECT_FALSE(clipped.Contains(2500, 7000));
    Region outside;
    EXPECT_EQ(outside.Combine(Region::Rect(-big, -big, big, big), ellipse, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(outside.Contains(-big + 10, -big + 10));
    EXPECT_FALSE(outside.Contains(0, 0));
    Region shadow;
    EXPECT_EQ(shadow.Combine(tall, round, RGN_XOR), COMPLEXREGION);
    RECT box;
    tall.GetBox(box);
    EXPECT_EQ(box, (RECT {0, -big, 2000, big}));
    EXPECT_TRUE(tall.Contains(1000, 0));
    EXPECT_FALSE(tall.Contains(0, big - 100));
    EXPECT_TRUE(round.Intersects({0, 0, 1, 1}));
    EXPECT_LE(ellipse.Rects({0, 0, 100, 100}).size(), 100u);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(Region, PolygonsFillByTheWindingRule)
{
    // A pentagram: with winding fill its centre is inside, with alternate fill it is a hole.
    const std::vector<POINT> star = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    EXPECT_TRUE(Region::Polygon(star, WINDING).Contains(50, 50));
    EXPECT_FALSE(Region::Polygon(star, ALTERNATE).Contains(50, 50));
    EXPECT_TRUE(Region::Polygon(star, ALTERNATE).Contains(50, 10));
    const Region triangle = Region::Polygon({{0, 0}, {100, 0}, {0, 100}});
    EXPECT_TRUE(triangle.Contains(10, 10));
    EXPECT_FALSE(triangle.Contains(90, 90));
}

TEST(Region, DegenerateShapesAreEmpty)
{
    EXPECT_EQ(Region::Rect(5, 5, 5, 10).Type(), NULLREGION);
    EXPECT_EQ(Region::Rect(10, 5, 5, 10).Type(), NULLREGION);
    EXPECT_EQ(Region::Ellipse(0, 0, 0, 10).Type(), NULLREGION);
    EXPECT_EQ(Region().Type(), NULLREGION);
}

TEST(Region, OffsetMovesAndIntersectsTestsRectangles)
{
    Region r = Region::Rect(0, 0, 10, 10);
    r.Offset(5, -5);
    EXPECT_EQ(r, Region::Rect(5, -5, 15, 5));
    EXPECT_TRUE(r.Intersects({14, 4, 20, 20}));
    EXPECT_FALSE(r.Intersects({15, 4, 20, 20}));
    EXPECT_FALSE(r.Intersects({10, 0, 10, 3})); // empty rectangle
}

} // namespace

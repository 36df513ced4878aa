#include "platform/gdi/region.h"

#include <gtest/gtest.h>

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
    const Region overlapping = Region::Rect(5, 0, 15, 10);   // same rows: unions stay one rectangle
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
    for (const PointCase& p : {PointCase{10, 10, true}, {19, 19, true}, {20, 15, false}, {15, 20, false}, {9, 15, false}})
        EXPECT_EQ(rect.Contains(p.x, p.y), p.inside) << p.x << "," << p.y;

    // The ellipse in [0, 100) × [0, 50): centre and axis ends in, corners out.
    const Region ellipse = Region::Ellipse(0, 0, 100, 50);
    for (const PointCase& p : {PointCase{50, 25, true}, {0, 25, true}, {99, 25, true}, {50, 0, true}, {50, 49, true},
                               {2, 2, false}, {97, 47, false}, {100, 25, false}, {50, 50, false}})
        EXPECT_EQ(ellipse.Contains(p.x, p.y), p.inside) << "ellipse " << p.x << "," << p.y;
    RECT box;
    EXPECT_EQ(ellipse.GetBox(box), COMPLEXREGION);
    EXPECT_EQ(box, (RECT{0, 0, 100, 50}));
}

TEST(Region, RoundedRectangleCornersFollowTheCornerEllipse)
{
    // Corner ellipse 20 × 20: a radius of 10 in each corner.
    const Region r = Region::RoundRect(0, 0, 101, 61, 20, 20);
    for (const PointCase& p : {PointCase{0, 30, true}, {50, 0, true}, {100, 30, true}, {50, 60, true},
                               {0, 0, false}, {1, 1, false}, {100, 60, false}, {3, 3, true}, {10, 0, true}})
        EXPECT_EQ(r.Contains(p.x, p.y), p.inside) << p.x << "," << p.y;
    RECT box;
    r.GetBox(box);
    EXPECT_EQ(box, (RECT{0, 0, 101, 61}));
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
    EXPECT_FALSE(r.Intersects({10, 0, 10, 3}));  // empty rectangle
}

} // namespace

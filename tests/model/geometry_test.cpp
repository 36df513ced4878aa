#include "forms/model/geometry.h"
#include "forms/model/rotation.h"

#include <gtest/gtest.h>

namespace {

TEST(Rotation, TurnsAboutTheCentre)
{
    struct Case {
        RECT r;
        int tenths;
    };
    const Case cases[] = {{{0, 0, 2000, 1000}, 0}, {{0, 0, 2000, 1000}, 900}, {{100, 300, 700, 500}, 450},
        {{-500, -80, 40, 60}, 1350}, {{0, 0, 10, 10}, 3599}};
    for (const Case& c : cases) {
        ROTATION rot;
        rot.Set(c.r.left, c.r.top, c.r.right, c.r.bottom, c.tenths);
        POINT centre {(c.r.left + c.r.right) / 2, (c.r.top + c.r.bottom) / 2};
        POINT turned = rot.Rotate(centre);
        EXPECT_NEAR(turned.x, centre.x, 1) << c.tenths;
        EXPECT_NEAR(turned.y, centre.y, 1) << c.tenths;
        POINT corner {c.r.left, c.r.top};
        POINT back = rot.Unrotate(rot.Rotate(corner));
        EXPECT_NEAR(back.x, corner.x, 1) << c.tenths;
        EXPECT_NEAR(back.y, corner.y, 1) << c.tenths;
    }
}

TEST(Rotation, PositiveAngleTurnsCounterClockwiseOnThePage)
{
    ROTATION rot;
    rot.Set(-10, -10, 10, 10, 900);
    EXPECT_EQ(rot.tx, 0);
    POINT p = rot.Rotate({10, 0});
    EXPECT_EQ(p, (POINT {0, -10})) << "right of the centre turns to above it";
}

TEST(Rotation, CentreAtOriginKeepsThePreviousTranslation)
{
    ROTATION rot;
    rot.tx = 7;
    rot.ty = -3;
    rot.Set(-10, -10, 10, 10, 450);
    EXPECT_EQ(rot.tx, 7);
    EXPECT_EQ(rot.ty, -3);
}

TEST(MulDivTest, RoundsHalvesAwayFromZero)
{
    EXPECT_EQ(MulDiv(1440, 45, 2), 32400);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(5, 1, 0), -1);
}

TEST(Outline, ContainsByWindingWithEdgesInside)
{
    Outline diamond {{{0, 10}, {10, 20}, {20, 10}, {10, 0}}};
    EXPECT_TRUE(diamond.Contains(10, 10));
    EXPECT_TRUE(diamond.Contains(5, 5));
    EXPECT_TRUE(diamond.Contains(0, 10));
    EXPECT_FALSE(diamond.Contains(2, 2));
    EXPECT_FALSE(diamond.Contains(21, 10));
}

} // namespace

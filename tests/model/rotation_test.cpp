// Turning points about a rectangle's centre.
#include "forms/model/rotation.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

bool Near(POINT a, POINT b, int32_t units = 1)
{
    return std::abs(a.x - b.x) <= units && std::abs(a.y - b.y) <= units;
}

TEST(Rotation, ANewTurnAndAZeroAngleChangeNothing)
{
    ROTATION none;
    EXPECT_EQ(none.Rotate({123, -45}), (POINT {123, -45}));
    ROTATION zero;
    zero.Set(100, 200, 3000, 900, 0);
    EXPECT_EQ(zero.tx, 0);
    EXPECT_EQ(zero.ty, 0);
    for (POINT p : {POINT {0, 0}, POINT {1550, 550}, POINT {-7, 32400}})
        EXPECT_EQ(zero.Rotate(p), p);
}

TEST(Rotation, TurnsAboutTheCentre)
{
    struct Case {
        RECT r;
        int tenths;
    } cases[] = {
        {{0, 0, 2000, 1000}, 900},
        {{100, 200, 3000, 900}, 450},
        {{1000, 1000, 1200, 5000}, 1800},
        {{-500, 300, 700, 900}, 2700},
        {{5000, 7000, 9000, 8000}, 1},
        {{0, 0, 32400, 32400}, 3599},
        {{-3000, -2000, -1000, -400}, 1234},
    };
    for (const Case& c : cases) {
        ROTATION turn;
        turn.Set(c.r.left, c.r.top, c.r.right, c.r.bottom, c.tenths);
        const POINT centre {(c.r.left + c.r.right) / 2, (c.r.top + c.r.bottom) / 2};
        EXPECT_TRUE(Near(turn.Rotate(centre), centre)) << c.tenths;
        for (POINT p : {POINT {c.r.left, c.r.top}, POINT {c.r.right, c.r.bottom}, POINT {17, -23}}) {
            // Both ways truncate toward zero: up to one unit each.
            const POINT back = turn.Unrotate(turn.Rotate(p));
            EXPECT_TRUE(Near(back, p, 2))
                << c.tenths << ": (" << p.x << "," << p.y << ") came back as (" << back.x << "," << back.y << ")";
        }
    }
}

TEST(Rotation, APositiveAngleTurnsCounterClockwiseOnThePage)
{
    // Y points down the page: a quarter turn takes the point right of the
    // centre to the point above it.
    ROTATION turn;
    turn.Set(0, 0, 2000, 2000, 900);
    EXPECT_TRUE(Near(turn.Rotate({2000, 1000}), (POINT {1000, 0})));
    EXPECT_TRUE(Near(turn.Rotate({1000, 0}), (POINT {0, 1000})));
}

TEST(Rotation, ARectangleCentredOnTheOriginKeepsThePreviousTranslation)
{
    ROTATION turn;
    turn.Set(0, 0, 2000, 2000, 900);
    const int32_t tx = turn.tx, ty = turn.ty;
    turn.Set(-100, -50, 100, 50, 450);
    EXPECT_EQ(turn.tx, tx);
    EXPECT_EQ(turn.ty, ty);
    EXPECT_DOUBLE_EQ(turn.angle, 450 * kRadiansPerTenth);
}

} // namespace

TEST(Rotation, ACentreBeyondHalfTheRangeStaysFixed)
{
    // left + right passes the 32-bit range; the centre must not wrap.
    const int32_t x = 2000000000;
    ROTATION r;
    r.Set(x, 0, x, 0, 10);
    const POINT centre = r.Rotate({x, 0});
    EXPECT_NEAR(centre.x, x, 2);
    EXPECT_NEAR(centre.y, 0, 2);
}

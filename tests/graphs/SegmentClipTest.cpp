#include "graphs/SegmentClip.h"
#include "graphs/Graduations.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace
{

struct ClipCase {
    const char *what;
    double x1, y1, x2, y2;
    bool drawn;
    double ex1, ey1, ex2, ey2; // expected ends when drawn
};

class SegmentClipTest : public ::testing::TestWithParam<ClipCase>
{
};

TEST_P(SegmentClipTest, CutsToTheScale)
{
    const ClipCase c = GetParam();
    const TScaleRect r{0, 10, 0, 10};
    double x1 = c.x1, y1 = c.y1, x2 = c.x2, y2 = c.y2;
    ASSERT_EQ(ClipSegment(r, x1, y1, x2, y2), c.drawn) << c.what;
    if (!c.drawn)
        return;
    EXPECT_DOUBLE_EQ(x1, c.ex1) << c.what;
    EXPECT_DOUBLE_EQ(y1, c.ey1) << c.what;
    EXPECT_DOUBLE_EQ(x2, c.ex2) << c.what;
    EXPECT_DOUBLE_EQ(y2, c.ey2) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SegmentClipTest,
    ::testing::Values(ClipCase{"crosses XMin", -1, 0, 1, 2, true, 0, 1, 1, 2},
                      ClipCase{"given right to left", 1, 2, -1, 0, true, 0, 1, 1, 2},
                      ClipCase{"wholly left of XMin", -3, 1, -1, 2, false, 0, 0, 0, 0},
                      ClipCase{"rising above YMax", 2, 12, 3, 14, false, 0, 0, 0, 0},
                      ClipCase{"inside", 2, 3, 4, 5, true, 2, 3, 4, 5},
                      ClipCase{"vertical beside", 12, 2, 12, 8, false, 0, 0, 0, 0},
                      // Horizontal segments are never cut: the clipped conversion pins
                      // their outside ends onto the margin line.
                      ClipCase{"horizontal across XMin", -5, 4, 5, 4, true, -5, 4, 5, 4},
                      ClipCase{"crossing YMin falling", 4, 2, 6, -2, true, 5, 0, 4, 2},
                      ClipCase{"through the whole scale", -10, -10, 20, 20, true, 0, 0, 10, 10},
                      ClipCase{"passing beside a corner", -2, 9, 2, 13, false, 0, 0, 0, 0},
                      // An end a rounding step beyond the scale, where the cut
                      // cannot move it: the segment is drawn, not lost.
                      ClipCase{"falling a step past XMax", 8, 5, 10.000000000000002, 4.5, true, 10,
                               4.5, 8, 5}));

struct GradCase {
    const char *what;
    double lo, hi, step;
    long long first, last;
    double usedStep;
};

class GraduationsTest : public ::testing::TestWithParam<GradCase>
{
};

TEST_P(GraduationsTest, IndexRange)
{
    const GradCase c = GetParam();
    const TGraduations g = ChooseGraduations(c.lo, c.hi, c.step, 1.0);
    EXPECT_EQ(g.First, c.first) << c.what;
    EXPECT_EQ(g.Last, c.last) << c.what;
    EXPECT_DOUBLE_EQ(g.Step, c.usedStep) << c.what;
}

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Cases, GraduationsTest,
    ::testing::Values(GradCase{"0.5..3.5 by 1", 0.5, 3.5, 1, 1, 3, 1},
                      // Unusable steps fall back to the automatic one (1 here).
                      GradCase{"negative step", 0, 10, -2, 0, 10, 1},
                      GradCase{"NaN step", 0, 10, nan, 0, 10, 1},
                      GradCase{"too many", 0, 10, 1e-9, 0, 10, 1}));

TEST(GraduationsGuard, NothingWhenNoStepIsUsable)
{
    EXPECT_EQ(ChooseGraduations(0, inf, 1, inf).Count(), 0);
    EXPECT_EQ(ChooseGraduations(nan, 1, 1, 1).Count(), 0);
    EXPECT_EQ(ChooseGraduations(0, 1e300, 1e-300, 0).Count(), 0);
    // Far from zero, indexes stay exact and few.
    const TGraduations g = ChooseGraduations(1e6, 1e6 + 10, 1, 1);
    EXPECT_EQ(g.Count(), 11);
    EXPECT_EQ(g.First, 1000000);
}

TEST(GraduationsGuard, BoundIsInclusive)
{
    EXPECT_EQ(ChooseGraduations(1, 1000, 1, 7).Count(), MaxGraduations);
    EXPECT_DOUBLE_EQ(ChooseGraduations(1, 1001, 1, 7).Step, 7);
}

} // namespace

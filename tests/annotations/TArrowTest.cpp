// Arrow heads are drawn on the pages compared whole; here the rounding of
// odd head lengths.
#include "annotations/TArrow.h"
#include <gtest/gtest.h>

TEST(TArrow, OddHeadLengthsRoundHalvesToEven)
{
    // Straight down with L = 41 and 43: L/2 is 20.5 and 21.5.
    EXPECT_EQ(TArrow::HeadOffsets(0, 10, 41)[1], QPoint(0, 20));
    EXPECT_EQ(TArrow::HeadOffsets(0, 10, 43)[1], QPoint(0, 22));
}

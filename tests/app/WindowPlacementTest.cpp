#include "app/WindowPlacement.h"
#include <gtest/gtest.h>

namespace
{

struct EdgeCase {
    int screen;
    int window;
    int randomResult;  // what the generator yields when asked
    int expectedRange; // n passed to the generator; 0 = not asked
    int expected;
};

TEST(WindowPlacement, OneAxis)
{
    const EdgeCase cases[] = {
        {1280, 573, 0, 657, 25},    // room left: 25 .. 681
        {1280, 573, 656, 657, 681}, // largest draw keeps 25 pixels to the far edge
        {624, 573, 0, 1, 25},       // exactly one position
        {623, 573, 0, 0, 25},       // no room for the margins: centred
        {600, 573, 0, 0, 13},       // centred, truncating
        {573, 573, 0, 0, 0},        // as large as the screen
        {480, 573, 0, 0, 0},        // larger: top-left corner stays on screen
    };
    for (const EdgeCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen << " " << c.window);
        int asked = 0;
        const int edge = InitialWindowEdge(c.screen, c.window, [&](int n) {
            asked = n;
            return c.randomResult;
        });
        EXPECT_EQ(asked, c.expectedRange);
        EXPECT_EQ(edge, c.expected);
    }
}

TEST(WindowPlacement, LeftIsDrawnBeforeTop)
{
    std::vector<int> ranges;
    const QPoint at = InitialWindowPos(QSize(1280, 1024), QSize(573, 480), [&](int n) {
        ranges.push_back(n);
        return int(ranges.size());
    });
    EXPECT_EQ(ranges, (std::vector<int>{657, 494}));
    EXPECT_EQ(at, QPoint(26, 27));
}

TEST(WindowPlacement, WindowAndFrameStayOnTheUsableArea)
{
    const auto first = [](int) { return 0; };
    // Room enough: the size is kept, the frame placed 25 pixels in.
    EXPECT_EQ(InitialWindowRect(QRect(0, 30, 1280, 870), QSize(573, 480), QSize(0, 20), first),
              QRect(25, 55, 573, 480));
    // 1280 x 900 at twice the density: the window shrinks to the height left.
    EXPECT_EQ(InitialWindowRect(QRect(0, 0, 640, 450), QSize(573, 480), QSize(0, 20), first),
              QRect(25, 0, 573, 430));
}

} // namespace

#include "PageFakes.h"

#include "support/GraphPageFixture.h"
#include <memory>

namespace
{

// Scale 3 page, one XY graph holding the element under test.
class TSmallGraphTest : public GraphPageFixture
{
protected:
    TSmallGraphTest() : e(std::make_unique<BoxElement>(AddGraph(0, 10, 0, 10), QRect(), 0)) {}

    std::unique_ptr<BoxElement> e;
};

TEST_F(TSmallGraphTest, BetweenWidensBothEndsStrictly)
{
    const struct {
        int v, a, b;
        bool in;
    } cases[] = {{10, 20, 0, true},   {35, 0, 20, false}, {34, 0, 20, true},
                 {-15, 0, 20, false}, {-14, 20, 0, true}, {5, 5, 5, true}};
    for (const auto &c : cases)
        EXPECT_EQ(e->Between(c.v, c.a, c.b), c.in) << c.v << " in " << c.a << ".." << c.b;
}

} // namespace

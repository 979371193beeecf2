#include "PageFakes.h"

#include "support/GraphPageFixture.h"
#include <memory>

namespace
{

// Scale 3 page, four series, one XY graph holding the element under test.
class TSmallGraphTest : public GraphPageFixture
{
protected:
    TSmallGraphTest()
    {
        for (int i = 0; i < 4; ++i)
            AddAnalog({});
        math = AddGraph(0, 10, 0, 10);
        e = std::make_unique<BoxElement>(math, QRect(), 0);
    }

    TMath *math = nullptr;
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

TEST_F(TSmallGraphTest, ShownSeriesComeFromTheXYGraph)
{
    math->SetAffiches({2});
    math->SetAxeX(3);
    EXPECT_EQ(e->ShownSeries(), (TSeriesSet{2}));
    EXPECT_EQ(e->OwnerAxeX(), 3);
}

TEST_F(TSmallGraphTest, OtherGraphsShowAllButTheFirstSeries)
{
    auto *frame =
        static_cast<FrameGraph *>(page.AppendGraph(std::make_unique<FrameGraph>(&page, 500)));
    frame->SetAxeX(2);
    BoxElement inFrame(frame, QRect(), 0);
    EXPECT_EQ(inFrame.ShownSeries(), (TSeriesSet{1, 2, 3}));
    EXPECT_EQ(inFrame.OwnerAxeX(), 0);
}

} // namespace

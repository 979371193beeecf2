// Arrow heads: one filled polygon (tip, barb, notch, barb) at the anchor
// and, for a double arrow, its mirror at the second point.
#include "annotations/TArrow.h"
#include "AnnotationFixture.h"
#include <vector>

namespace
{

struct HeadCase {
    const char *what;
    QPoint from, to;
    bool twoHeads;
    std::vector<std::vector<QPoint>> heads;
};

class TArrowTest : public AnnotationFixture
{
};

TEST_F(TArrowTest, HeadsSitAtTheDragStartAndPointAwayFromTheShaft)
{
    // clang-format off
    const HeadCase cases[] = {
        {"right to left", {1500, 500}, {1000, 500}, false,
         {{{1500, 500}, {1460, 520}, {1480, 500}, {1460, 480}}}},
        {"double, upwards", {1000, 800}, {1000, 500}, true,
         {{{1000, 800}, {980, 760}, {1000, 780}, {1020, 760}},
          {{1000, 500}, {1020, 540}, {1000, 520}, {980, 540}}}},
        {"double, clicked", {1000, 500}, {1000, 500}, true,
         {{{1000, 500}, {1020, 540}, {1000, 520}, {980, 540}},
          {{1000, 500}, {980, 460}, {1000, 480}, {1020, 460}}}},
    };
    // clang-format on
    page.DefColor = clRed;
    for (const HeadCase &c : cases) {
        auto *arrow = Add(new TArrow(graph));
        arrow->MoveX(c.from.x());
        arrow->MoveY(c.from.y());
        arrow->SetX2(c.to.x());
        arrow->SetY2(c.to.y());
        arrow->DoubleArrow = c.twoHeads;
        const PagePicture picture = Record(*arrow);
        const auto shaft = RecordsOf(picture, TPictureOp::Line);
        ASSERT_EQ(shaft.size(), 1u) << c.what;
        EXPECT_EQ(std::pair(shaft[0].Points[0], shaft[0].Points[1]), std::pair(c.from, c.to))
            << c.what;
        std::vector<std::vector<QPoint>> heads;
        for (const PictureRecord &r : RecordsOf(picture, TPictureOp::Polygon)) {
            heads.emplace_back(r.Points.begin(), r.Points.end());
            EXPECT_EQ(r.Brush, (TBrush{clRed, TBrushStyle::bsSolid})) << c.what;
        }
        EXPECT_EQ(heads, c.heads) << c.what;
        graph->DeleteElement(arrow);
    }
}

TEST_F(TArrowTest, OddHeadLengthsRoundHalvesToEven)
{
    // Straight down with L = 41 and 43: L/2 is 20.5 and 21.5.
    EXPECT_EQ(TArrow::HeadOffsets(0, 10, 41)[1], QPoint(0, 20));
    EXPECT_EQ(TArrow::HeadOffsets(0, 10, 43)[1], QPoint(0, 22));
}

} // namespace

#include "render/Arrows.h"
#include "render/RecordingCanvas.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{

struct ArrowCase {
    const char *name;
    void (*draw)(Canvas &, int, int, int);
    int x, s, y;
    std::vector<int> xy; // the seven points, flattened
};

class ArrowsTest : public ::testing::TestWithParam<ArrowCase>
{
};

TEST_P(ArrowsTest, FillsTheSevenPointsInThePenColour)
{
    const ArrowCase &c = GetParam();
    PagePicture picture(1000, 1000);
    RecordingCanvas canvas(picture);
    canvas.Pen = TPen{clRed, 4};
    canvas.Brush = TBrush{clYellow, TBrushStyle::bsSolid};
    c.draw(canvas, c.x, c.s, c.y);

    ASSERT_EQ(picture.Count(), 1);
    const PictureRecord r = picture.At(0);
    EXPECT_EQ(r.Kind, TPictureOp::Polygon);
    std::vector<int> xy;
    for (const QPoint p : r.Points)
        xy.insert(xy.end(), {p.x(), p.y()});
    EXPECT_EQ(xy, c.xy);
    EXPECT_EQ(r.Pen, (TPen{clRed, 1}));
    EXPECT_EQ(r.Brush, (TBrush{clRed, TBrushStyle::bsSolid}));
    EXPECT_EQ(canvas.Brush.Style, TBrushStyle::bsClear);
}

// Odd and negative sizes check that the half size truncates toward zero.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Shapes, ArrowsTest, ::testing::Values(
    ArrowCase{"Right", ArrowRight, 100, 10, 50,
              {100, 50, 90, 40, 90, 45, 80, 45, 80, 55, 90, 55, 90, 60}},
    ArrowCase{"RightOdd", ArrowRight, 100, 7, 50,
              {100, 50, 93, 43, 93, 47, 86, 47, 86, 53, 93, 53, 93, 57}},
    ArrowCase{"DownNegative", ArrowDown, 0, -5, 0,
              {0, 0, -5, 5, -2, 5, -2, 10, 2, 10, 2, 5, 5, 5}}),
    [](const auto &info) { return std::string(info.param.name); });
// clang-format on

} // namespace

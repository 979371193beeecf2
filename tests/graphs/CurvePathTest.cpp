#include "graphs/CurvePath.h"

#include "render/PagePicture.h"
#include "render/RecordingCanvas.h"
#include <gtest/gtest.h>
#include <vector>

namespace
{

// That reduced curves cover the page points of the plain drawing, their
// pieces unjoined, is checked on whole curves.
TEST(CurvePath, KeepsFirstLowestHighestLastInOrder)
{
    PagePicture picture(100, 100);
    RecordingCanvas canvas(picture);
    TCurvePath path(canvas);
    path.MoveTo({0, 0});
    for (QPoint p : {QPoint(5, 7), QPoint(5, 9), QPoint(5, 1), QPoint(5, 3), QPoint(5, 12),
                     QPoint(5, 4), QPoint(8, 4)})
        path.LineTo(p);
    path.Finish();
    ASSERT_EQ(picture.Count(), 1);
    const PictureRecord r = picture.At(0);
    const std::vector<QPoint> got(r.Points.begin(), r.Points.end());
    const std::vector<QPoint> want{{0, 0}, {5, 7}, {5, 1}, {5, 12}, {5, 4}, {8, 4}};
    EXPECT_EQ(got, want);
}

} // namespace

#include "graphs/CurvePath.h"

#include "DrawnSet.h"

#include "render/PagePicture.h"
#include "render/RecordingCanvas.h"
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <vector>

namespace
{

// Draws a curve through the points as independent segments, as an analog
// curve does, with and without reduction.
PagePicture drawSegments(const std::vector<QPoint> &pts, bool reduce)
{
    PagePicture picture(3000, 2000);
    RecordingCanvas canvas(picture);
    canvas.Pen.Width = 4;
    TCurvePath path(canvas, reduce);
    for (std::size_t i = 1; i < pts.size(); ++i)
        path.Segment(pts[i - 1], pts[i]);
    path.Finish();
    return picture;
}

std::vector<QPoint> denseWalk(int n, int xSpread, quint32 seed)
{
    QRandomGenerator rng(seed);
    std::vector<QPoint> pts;
    int y = 500;
    for (int i = 0; i < n; ++i) {
        y += rng.bounded(-40, 41);
        pts.emplace_back(100 + i * xSpread / n, y);
    }
    return pts;
}

TEST(CurvePath, DenseCurvesCoverTheSamePagePoints)
{
    for (quint32 seed = 1; seed <= 40; ++seed) {
        // From about one point per x to about fifty.
        const int n = 20 + int(seed) * 30;
        const std::vector<QPoint> pts = denseWalk(n, int(60 - seed), seed);
        const PagePicture plain = drawSegments(pts, false);
        const PagePicture reduced = drawSegments(pts, true);
        EXPECT_EQ(drawnSet(plain), drawnSet(reduced)) << "seed " << seed;
        EXPECT_LE(reduced.PointCount(), plain.PointCount());
    }
}

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

TEST(CurvePath, DisconnectedSegmentsStartNewPolylines)
{
    PagePicture picture(100, 100);
    RecordingCanvas canvas(picture);
    {
        TCurvePath path(canvas);
        path.Segment({0, 0}, {1, 1});
        path.Segment({1, 1}, {2, 0});
        path.Segment({5, 5}, {6, 6});
        // Given backwards, still continuing the last point.
        path.Segment({7, 2}, {6, 6});
    }
    ASSERT_EQ(picture.Count(), 2);
    EXPECT_EQ(picture.At(0).Points.size(), 3u);
    EXPECT_EQ(picture.At(1).Points.size(), 3u);
    EXPECT_EQ(picture.At(1).Points.back(), QPoint(7, 2));
    EXPECT_EQ(canvas.PenPos(), QPoint(7, 2));
}

} // namespace

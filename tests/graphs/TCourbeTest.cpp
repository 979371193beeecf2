#include "support/GraphPageFixture.h"

#include "DrawnSet.h"
#include "annotations/TLegende.h"
#include "graphs/SegmentClip.h"
#include "graphs/TCourbe.h"
#include <QRandomGenerator>
#include <cmath>

namespace
{

class TCourbeTest : public GraphPageFixture
{
protected:
    // A graph on 0..10 x 0..10 showing series 1 drawn against series 0.
    TCourbe *curveOf(std::vector<double> xs, std::vector<double> ys)
    {
        AddAnalog(std::move(xs), QStringLiteral("t"));
        AddAnalog(std::move(ys), QStringLiteral("Vs"), clGreen);
        graph = AddGraph(0, 10, 0, 10);
        graph->SetAffiches({1});
        return findCurve(1);
    }
    TCourbe *findCurve(int serie) const
    {
        for (TSmallGraph *e : graph->Elements())
            if (auto *c = dynamic_cast<TCourbe *>(e); c && c->SerieIndex == serie)
                return c;
        return nullptr;
    }
    TMath *graph = nullptr;
};

TEST_F(TCourbeTest, HiddenOrMissingSeriesDrawsNothing)
{
    ASSERT_NE(curveOf({0, 10}, {0, 10}), nullptr);
    graph->AddElement(std::make_unique<TCourbe>(graph, 7, 4)); // as a document may name it
    TCourbe *missing = findCurve(7);
    EXPECT_EQ(Record(*missing).Count(), 0);
    EXPECT_FALSE(missing->HitTest(1500, 750));

    graph->SetAffiches({});
    EXPECT_EQ(findCurve(1), nullptr);
    auto *kept = graph->AddElement(std::make_unique<TCourbe>(graph, 1, 4));
    EXPECT_EQ(Record(*kept).Count(), 0) << "series 1 is no longer shown";
    EXPECT_FALSE(kept->HitTest(1500, 750));
}

TEST_F(TCourbeTest, HitTestWithinTolerance)
{
    TCourbe *c = curveOf({-5, 10}, {-5, 10});
    // The line runs from (300, 1350) to (2700, 150); Tolerance is 15.
    ASSERT_DOUBLE_EQ(c->Tolerance(), 15);
    EXPECT_TRUE(c->HitTest(1500, 750));
    EXPECT_TRUE(c->HitTest(1504, 759));  // about 10 units off the line
    EXPECT_FALSE(c->HitTest(1509, 768)); // about 20 units off
    // The segment extends left of XMin, but the scale's left never hits.
    EXPECT_FALSE(c->HitTest(290, 1355));
    page.SetZoom(4);
    EXPECT_FALSE(c->HitTest(1504, 759)) << "3.75 units at zoom 4";
}

TEST_F(TCourbeTest, HitTestUsesStraightSegmentsForSteps)
{
    AddAnalog({0, 10});
    AddLogic({7, 1});
    graph = AddGraph(0, 10, 0, 1);
    graph->SetAffiches({1});
    TCourbe *c = findCurve(1);
    EXPECT_TRUE(c->HitTest(1500, 750));   // on the diagonal
    EXPECT_FALSE(c->HitTest(2000, 1350)); // on the drawn step, off the diagonal
}

TEST_F(TCourbeTest, DeletingACurveDeletesItsLabelOnly)
{
    AddAnalog({0, 1});
    AddAnalog({0, 1});
    AddAnalog({1, 0});
    std::unique_ptr<TMath> g(TMath::CreateFromDatas(&page, page.Datas->AllButFirst(), 0));
    graph = g.get();
    ASSERT_EQ(g->ElementCount(), 5);
    g->DeleteElement(findCurve(1));
    ASSERT_EQ(g->ElementCount(), 3);
    EXPECT_TRUE(dynamic_cast<TLegende *>(g->Elements()[0])->IsAxeX);
    EXPECT_EQ(dynamic_cast<TLegende *>(g->Elements()[1])->Index, 2);
    EXPECT_EQ(g->Elements()[2], findCurve(2));
}

// The curve drawn the plain way: every segment clipped and drawn on its own,
// nothing reduced; on logarithmic scales, between the logarithms.
PagePicture referenceDrawing(const TAxe &g, const std::vector<double> &xs,
                             const std::vector<double> &ys)
{
    PagePicture picture(3000, 2000);
    RecordingCanvas canvas(picture);
    const TAxisMap mx = g.XMap(), my = g.YMap();
    const TAxisMap px = mx.Linear(), py = my.Linear();
    const TScaleRect r{px.Min, px.Max, py.Min, py.Max};
    for (std::size_t i = 1; i < xs.size(); ++i) {
        double x1 = mx.Scaled(xs[i - 1]), y1 = my.Scaled(ys[i - 1]);
        double x2 = mx.Scaled(xs[i]), y2 = my.Scaled(ys[i]);
        if (!std::isfinite(x1 + y1 + x2 + y2) || !ClipSegment(r, x1, y1, x2, y2))
            continue;
        canvas.MoveTo(px.ToPageClipped(x1), py.ToPageClipped(y1));
        canvas.LineTo(px.ToPageClipped(x2), py.ToPageClipped(y2));
    }
    return picture;
}

TEST_F(TCourbeTest, DrawsTheSamePagePointsAsThePlainDrawing)
{
    // Dense noisy curves partly beyond the scale (clipped pieces must not be
    // joined), with a few gaps at NaN, from under one sample per page x to
    // dozens; one in four on logarithmic scales, one in four on a logarithmic
    // X scale alone, with gaps at the samples at or below zero.
    for (quint32 seed = 1; seed <= 12; ++seed) {
        QRandomGenerator rng(seed);
        const int n = 200 * int(seed * seed);
        const auto count = std::size_t(n);
        std::vector<double> xs(count), ys(count);
        double y = 5;
        for (int i = 0; i < n; ++i) {
            xs[std::size_t(i)] = 10.0 * i / n + (seed % 3 == 0 ? rng.bounded(0.02) : 0);
            y += rng.bounded(2.0) - 1;
            ys[std::size_t(i)] = rng.bounded(500) == 0 ? std::nan("") : y;
        }
        page.SetGraphCount(0);
        page.Datas->Clear();
        TCourbe *c = curveOf(xs, ys);
        graph->LogX = seed % 4 == 1 || seed % 4 == 2;
        graph->LogY = seed % 4 == 1;
        graph->YMin = graph->LogY ? 0.5 : 0;
        graph->YMax = 10 + seed % 4;
        graph->XMin = 1;
        EXPECT_EQ(drawnSet(Record(*c)), drawnSet(referenceDrawing(*graph, xs, ys)))
            << "seed " << seed;
    }
}

// On logarithmic scales a sample at or below zero breaks the curve, and the
// curve is hit where its segments are drawn, between the logarithms.
TEST_F(TCourbeTest, LogarithmicScalesBreakAtZeroAndHitWhereDrawn)
{
    TCourbe *c = curveOf({1, 10, 100, 1000, 10000}, {1, 10, 0, 1000, 10000});
    graph->XMin = graph->YMin = 1;
    graph->XMax = graph->YMax = 10000;
    graph->LogX = graph->LogY = true;
    // Decades 600 units apart across, 300 up.
    PagePicture expected(3000, 2000);
    RecordingCanvas canvas(expected);
    canvas.MoveTo(300, 1350);
    canvas.LineTo(900, 1050);
    canvas.MoveTo(2100, 450);
    canvas.LineTo(2700, 150);
    EXPECT_EQ(drawnSet(Record(*c)), drawnSet(expected));
    EXPECT_TRUE(c->HitTest(600, 1200));
    EXPECT_FALSE(c->HitTest(1200, 900)) << "beside the gap";
    EXPECT_TRUE(c->HitTest(2400, 300));
}

TEST_F(TCourbeTest, MillionSamplesRecordInProportionToTheWidth)
{
    const int n = 1000000;
    std::vector<double> xs(n), ys(n);
    for (int i = 0; i < n; ++i) {
        xs[std::size_t(i)] = i * 1e-5;
        ys[std::size_t(i)] = 5 + 4 * std::sin(i * 1e-3) + (i % 13) * 0.05;
    }
    TCourbe *c = curveOf(std::move(xs), std::move(ys));
    const PagePicture p = Record(*c);
    ASSERT_EQ(p.Count(), 1);
    EXPECT_EQ(p.At(0).Pen, (TPen{clGreen, 4})) << "the series' colour";
    EXPECT_LE(p.PointCount(), std::size_t(4 * 2401));
    EXPECT_GE(p.PointCount(), std::size_t(2401));
}

} // namespace

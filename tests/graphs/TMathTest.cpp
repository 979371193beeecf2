#include "support/GraphPageFixture.h"

#include "annotations/TLegende.h"
#include "graphs/TCourbe.h"
#include <QRect>
#include <cmath>
#include <limits>

namespace
{

class TMathTest : public GraphPageFixture
{
protected:
    // Graduation texts drawn at a given label top, left to right.
    static std::vector<QString> textsWithTop(const PagePicture &p, int top)
    {
        std::vector<QString> out;
        for (const PictureRecord &r : RecordsOf(p, TPictureOp::Text))
            if (r.Points[0].y() == top)
                out.push_back(r.Text);
        return out;
    }
    // Size of a recorded text in page units.
    static QSize textExtent(const PictureRecord &text)
    {
        PagePicture scratch;
        RecordingCanvas c(scratch);
        c.Font = text.Font;
        return c.TextExtent(text.Text);
    }
    // Vertical X-axis ticks (not grid lines) as (x, top, bottom).
    static std::vector<QRect> xTicks(const PagePicture &p, TColor grid)
    {
        std::vector<QRect> out;
        for (const PictureRecord &r : RecordsOf(p, TPictureOp::Line)) {
            const QPoint a = r.Points[0], b = r.Points[1];
            if (a.x() == b.x() && a.y() != b.y() && r.Pen.Color != grid &&
                std::abs(a.y() - b.y()) < 20)
                out.push_back(QRect(QPoint(a.x(), std::min(a.y(), b.y())),
                                    QPoint(a.x(), std::max(a.y(), b.y()))));
        }
        return out;
    }
};

TEST_F(TMathTest, CreateFromDatasFitsScalesAndAddsLabelledCurves)
{
    AddAnalog({0, 2.5, 10}, QStringLiteral("Time"));
    AddAnalog({-2, 0, 3});
    AddAnalog({0, 5, 1});
    std::unique_ptr<TMath> g(TMath::CreateFromDatas(&page, page.Datas->AllButFirst(), 0));
    EXPECT_EQ(std::tuple(g->XMin, g->XMax, g->YMin, g->YMax, g->PasX, g->PasY, g->LabelCount),
              std::tuple(0.0, 10.0, -2.0, 5.0, 2.0, 1.0, 2));
    EXPECT_TRUE(g->PasXAuto && g->PasYAuto && g->QuadriHor && g->QuadriVer);

    // Axis legend, then each curve preceded by its label.
    ASSERT_EQ(g->ElementCount(), 5);
    auto *axis = dynamic_cast<TLegende *>(g->Elements()[0]);
    ASSERT_TRUE(axis && axis->IsAxeX);
    // Right of the X axis end (2700 + 45 + 10) and just below the axis
    // (zero at page y 1007).
    EXPECT_EQ(axis->DX, 2755);
    EXPECT_EQ(axis->DY, 483);
    for (int k = 1; k <= 2; ++k) {
        auto *label = dynamic_cast<TLegende *>(g->Elements()[std::size_t(2 * k - 1)]);
        auto *curve = dynamic_cast<TCourbe *>(g->Elements()[std::size_t(2 * k)]);
        ASSERT_TRUE(label && curve);
        EXPECT_EQ(std::pair(label->Index, curve->SerieIndex), std::pair(k, k));
    }
    // Label slots 0 and 1: the first at XMin, the next a tenth further.
    EXPECT_EQ(dynamic_cast<TLegende *>(g->Elements()[1])->DX, 300);
    EXPECT_EQ(dynamic_cast<TLegende *>(g->Elements()[3])->DX, 540);
}

TEST_F(TMathTest, OneColumnGivesNoCurve)
{
    AddAnalog({0, 1, 2});
    std::unique_ptr<TMath> g(TMath::CreateFromDatas(&page, page.Datas->AllButFirst(), 0));
    ASSERT_EQ(g->ElementCount(), 1);
    EXPECT_TRUE(dynamic_cast<TLegende *>(g->Elements()[0])->IsAxeX);
    EXPECT_EQ(std::tuple(g->LabelCount, g->YMin, g->YMax), std::tuple(0, 0.0, 0.0));
}

TEST_F(TMathTest, SetAffichesRoundTrips)
{
    for (int i = 0; i < 4; ++i)
        AddAnalog({0, double(i)});
    std::unique_ptr<TMath> g(TMath::CreateFromDatas(&page, page.Datas->AllButFirst(), 0));
    const std::vector<TSmallGraph *> before = g->Elements();
    g->SetAffiches({1, 2, 3});
    EXPECT_EQ(g->Elements(), before) << "same set: nothing changes";

    g->SetAffiches({});
    ASSERT_EQ(g->ElementCount(), 1) << "every curve and its label go";

    g->SetAffiches({2});
    ASSERT_EQ(g->ElementCount(), 3);
    EXPECT_EQ(dynamic_cast<TCourbe *>(g->Elements()[2])->SerieIndex, 2);

    // Keeps the curve of 2, appends 1 and 3 in increasing order.
    TSmallGraph *curve2 = g->Elements()[2];
    g->SetAffiches({1, 2, 3});
    ASSERT_EQ(g->ElementCount(), 7);
    EXPECT_EQ(g->Elements()[2], curve2);
    EXPECT_EQ(dynamic_cast<TCourbe *>(g->Elements()[4])->SerieIndex, 1);
    EXPECT_EQ(dynamic_cast<TCourbe *>(g->Elements()[6])->SerieIndex, 3);
}

TEST_F(TMathTest, SetAffichesVisitsCurvesWhoseLabelStandsBehindThem)
{
    for (int i = 0; i < 3; ++i)
        AddAnalog({0, double(i)});
    TMath *g = AddGraph(0, 1, 0, 2);
    // As a document may hold them: curves first, their labels after.
    g->AddElement(std::make_unique<TCourbe>(g, 1, 4));
    g->AddElement(std::make_unique<TCourbe>(g, 2, 4));
    g->AddElement(std::make_unique<TLegende>(g, 1));
    g->AddElement(std::make_unique<TLegende>(g, 2));
    g->SetAffiches({2});
    ASSERT_EQ(g->ElementCount(), 2);
    EXPECT_EQ(dynamic_cast<TCourbe *>(g->Elements()[0])->SerieIndex, 2);
    EXPECT_EQ(dynamic_cast<TLegende *>(g->Elements()[1])->Index, 2);
}

TEST_F(TMathTest, NegativeYRangeDrawsTheXAxisOnTheTopMarginLine)
{
    TMath *g = AddGraph(0, 10, -5, -1);
    g->PasX = 2;
    g->PasY = 1;
    const PagePicture p = Record(*g);
    const int u = 7, y0 = 150, x0 = 300;
    // The X axis overshoots both margin lines by 6u, with its arrowhead.
    bool axis = false;
    for (const PictureRecord &r : RecordsOf(p, TPictureOp::Line))
        axis |= r.Points[0] == QPoint(2700 + 6 * u, y0) && r.Points[1] == QPoint(300 - 6 * u, y0);
    EXPECT_TRUE(axis);
    // X labels stand above the axis.
    const int h = textExtent(RecordsOf(p, TPictureOp::Text).at(0)).height();
    EXPECT_EQ(textsWithTop(p, y0 - 2 * u - h),
              (std::vector<QString>{QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("6"),
                                    QStringLiteral("8"), QStringLiteral("10")}));
    // Two break marks on the Y axis just below the crossing.
    const auto marks = RecordsOf(p, TPictureOp::PolyBezier);
    ASSERT_EQ(marks.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        const int c = y0 + (3 + 2 * i) * u;
        const std::vector<QPoint> want{
            {x0 + 6 * u, c}, {x0 + 3 * u, c - 6 * u}, {x0 - 3 * u, c + 6 * u}, {x0 - 6 * u, c}};
        EXPECT_EQ(std::vector<QPoint>(marks[std::size_t(i)].Points.begin(),
                                      marks[std::size_t(i)].Points.end()),
                  want);
    }
}

TEST_F(TMathTest, XRangeTwoToTwelveHasBothEndGraduations)
{
    TMath *g = AddGraph(2, 12, -1, 1);
    g->PasX = 2;
    g->PasY = 0.5;
    g->QuadriVer = false;
    const PagePicture p = Record(*g);
    const int u = 7, y0 = 750, x0 = 300;
    EXPECT_EQ(textsWithTop(p, y0 + 2 * u),
              (std::vector<QString>{QStringLiteral("4"), QStringLiteral("6"), QStringLiteral("8"),
                                    QStringLiteral("10"), QStringLiteral("12")}));
    // The graduation at 2 lies on the Y axis: a short tick only.
    std::vector<QRect> want;
    want.push_back(QRect(QPoint(x0, y0 + u / 2 - u), QPoint(x0, y0 + u / 2)));
    for (int v = 4; v <= 12; v += 2) {
        const int x = 300 + 240 * (v - 2);
        want.push_back(QRect(QPoint(x, y0 - u), QPoint(x, y0 + u)));
    }
    EXPECT_EQ(xTicks(p, g->ColorQuadri), want);
}

// Graduations of a scale wider than the doubles: the automatic step of its
// span, drawn on both sides of zero.
TEST_F(TMathTest, ScalesWiderThanTheDoublesAreGraduated)
{
    const double top = std::numeric_limits<double>::max();
    TMath *g = AddGraph(-top, top, -1, 1);
    g->PasX = 0;
    const std::vector<QString> texts = textsWithTop(Record(*g), 750 + 14);
    EXPECT_EQ(texts, (std::vector<QString>{"-150e306", "-100e306", "-50e306", "50e306", "100e306",
                                           "150e306"}));
}

TEST_F(TMathTest, GridLinesSpanThePlottingAreaExceptAtZero)
{
    TMath *g = AddGraph(-4, 4, -2, 2);
    g->PasX = 2;
    g->PasY = 1;
    const PagePicture p = Record(*g);
    std::vector<QLine> grid;
    for (const PictureRecord &r : RecordsOf(p, TPictureOp::Line))
        if (r.Pen == TPen{clSilver, 1})
            grid.emplace_back(r.Points[0], r.Points[1]);
    // Four vertical lines (-4, -2, 2, 4) and four horizontal ones.
    ASSERT_EQ(grid.size(), 8u);
    EXPECT_EQ(grid[0], QLine(300, 150, 300, 1350));
    EXPECT_EQ(grid[3], QLine(2700, 150, 2700, 1350));
    EXPECT_EQ(grid[4], QLine(2700, 1350, 300, 1350));
    EXPECT_TRUE(RecordsOf(p, TPictureOp::PolyBezier).empty()) << "zero inside: no break";

    g->QuadriHor = g->QuadriVer = false;
    EXPECT_EQ(RecordsOf(Record(*g), TPictureOp::Line).size(),
              RecordsOf(p, TPictureOp::Line).size() - 8);
}

TEST_F(TMathTest, OverlappingLabelsAreSkipped)
{
    // Twenty graduations 1,0000k .. 1,0019k, about 126 page units apart,
    // each label wider than that.
    TMath *g = AddGraph(1000, 1001.9, -1, 1);
    g->PasX = 0.1;
    g->PasY = 1;
    g->QuadriVer = false;
    const PagePicture p = Record(*g);
    const int u = 7, y0 = 750;
    const auto ticks = xTicks(p, g->ColorQuadri);
    ASSERT_EQ(ticks.size(), 20u);
    int labels = 0;
    int previousRight = std::numeric_limits<int>::min();
    for (const PictureRecord &r : RecordsOf(p, TPictureOp::Text)) {
        if (r.Points[0].y() != y0 + 2 * u)
            continue;
        ++labels;
        const int w = textExtent(r).width();
        EXPECT_GT(r.Points[0].x(), previousRight) << r.Text.toStdString();
        previousRight = r.Points[0].x() + w;
    }
    int longTicks = 0;
    for (const QRect &t : ticks)
        longTicks += t.height() == 2 * u + 1;
    EXPECT_EQ(longTicks, labels);
    EXPECT_GE(labels, 5);
    EXPECT_LE(labels, 10);
}

} // namespace

#include "support/GraphPageFixture.h"

#include "annotations/TLegende.h"
#include "graphs/TCourbe.h"
#include "render/PageFont.h"
#include <QRect>
#include <cmath>
#include <limits>
#include <optional>

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
    for (int k = 1; k <= 2; ++k) {
        auto *label = dynamic_cast<TLegende *>(g->Elements()[std::size_t(2 * k - 1)]);
        auto *curve = dynamic_cast<TCourbe *>(g->Elements()[std::size_t(2 * k)]);
        ASSERT_TRUE(label && curve);
        EXPECT_EQ(std::pair(label->Index, curve->SerieIndex), std::pair(k, k));
    }
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

// Logarithmic scales: the axes run along the low margin lines without break
// marks; decades are labelled but where the other axis stands, the ticks
// between them are short and, over three decades, on the grid.
TEST_F(TMathTest, LogarithmicAxesRunAlongTheEdgesWithDecadeLabels)
{
    TMath *g = AddGraph(10, 1e4, 1e-15, 1e-12);
    g->LogX = g->LogY = true;
    const PagePicture p = Record(*g);
    std::vector<QString> texts;
    for (const PictureRecord &r : RecordsOf(p, TPictureOp::Text))
        texts.push_back(r.Text);
    EXPECT_EQ(texts, (std::vector<QString>{"100", "1k", "10k", "10f", "100f", "1p"}));
    EXPECT_TRUE(RecordsOf(p, TPictureOp::PolyBezier).empty());
    int grid = 0, shortTicks = 0;
    for (const PictureRecord &r : RecordsOf(p, TPictureOp::Line)) {
        const QLine l(r.Points[0], r.Points[1]);
        grid += r.Pen.Color == clSilver;
        shortTicks += r.Pen.Color == clBlack && std::abs(l.dx() + l.dy()) == 7 && l.dx() * l.dy() == 0;
    }
    EXPECT_EQ(grid, 2 * 28);
    EXPECT_EQ(shortTicks, 2 * (24 + 1)) << "the ticks between decades, and 10 and 1f at the corner";
    g->XMin = 3;
    g->XMax = 3000;
    g->YMax = 1e-11;
    grid = 0;
    const PagePicture picture = Record(*g); // the records point into it
    for (const PictureRecord &r : RecordsOf(picture, TPictureOp::Line))
        grid += r.Pen.Color == clSilver;
    EXPECT_EQ(grid, 28 + 5) << "four decades: the grid keeps to them on Y";
}

// The X-axis legend stands after the end of the axis while it fits before the
// frame's edge; a longer one ends where the scale ends, past the graduation
// labels on their side of the axis, overlapping none of them.
TEST_F(TMathTest, AxisLegendStaysInsideTheFrameClearOfTheLabels)
{
    const int shortX = AddAnalog({0, 10}, QStringLiteral("t"), clBlue, QStringLiteral("s"));
    const int longX =
        AddAnalog({0, 10}, QStringLiteral("fréquence du générateur"), clBlue, QStringLiteral("Hz"));
    const int below = AddAnalog({-3, -1});
    const int above = AddAnalog({1, 3});
    struct Case {
        int AxeX, Shown;
        int Side; // 0: after the axis end, 1: below the axis, -1: above it, 2: across it
    };
    for (const Case c : {Case{shortX, above, 0}, Case{longX, below, -1}, Case{longX, above, 1}}) {
        std::unique_ptr<TMath> g(TMath::CreateFromDatas(&page, {c.Shown}, c.AxeX));
        const auto *legend = dynamic_cast<TLegende *>(g->Elements()[0]);
        ASSERT_TRUE(legend);
        const QString title = legend->LegendText();
        std::optional<QRect> box;
        std::vector<QRect> labels;
        const PagePicture picture = Record(*g); // the records point into it
        for (const PictureRecord &r : RecordsOf(picture, TPictureOp::Text)) {
            const QRect rect(r.Points[0], MeasureText(r.Font, r.Text));
            if (r.Text == title)
                box = rect;
            else
                labels.push_back(rect);
        }
        ASSERT_TRUE(box) << c.AxeX;
        const int end = g->XToPage(g->XMax), y0 = g->YToPageClipped(0);
        EXPECT_TRUE(QRect(g->Left, g->Top, g->Width(), g->Height()).contains(*box))
            << title.toStdString();
        const int side = box->left() > end ? 0 : box->top() > y0 ? 1 : box->bottom() < y0 ? -1 : 2;
        EXPECT_EQ(side, c.Side) << title.toStdString();
        for (const QRect &label : labels)
            EXPECT_FALSE(label.intersects(*box)) << title.toStdString();
    }
}

} // namespace

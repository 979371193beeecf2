#include "support/GraphPageFixture.h"

#include "annotations/TLegende.h"
#include "annotations/TTexte.h"
#include "graphs/TCourbe.h"
#include "render/Canvas.h"
#include <QRect>
#include <cmath>
#include <limits>

namespace
{

// An element that records its drawing order and its destruction.
class Probe : public TSmallGraph
{
public:
    Probe(TAxe *owner, QRect box, std::vector<int> *log, int id)
        : TSmallGraph(owner), m_box(box), m_log(log), m_id(id)
    {
    }
    ~Probe() override { m_log->push_back(-m_id); }
    void Draw(Canvas &) override { m_log->push_back(m_id); }
    bool HitTest(int x, int y) const override { return m_box.contains(x, y); }
    int GetCursor() const override { return 0; }
    void Edit() override {}
    void SaveToStrings(DocumentWriter &) const override {}

private:
    QRect m_box;
    std::vector<int> *m_log;
    int m_id;
};

class TAxeTest : public GraphPageFixture
{
protected:
    TAxeTest() { g = AddGraph(0, 10, -1, 1); }
    // Probes write into the log as they go: free them while it still exists.
    ~TAxeTest() override { page.SetGraphCount(0); }

    std::unique_ptr<Probe> probe(int id, QRect box = {})
    {
        return std::make_unique<Probe>(g, box, &log, id);
    }

    TMath *g;
    std::vector<int> log;
};

TEST_F(TAxeTest, ValuesMapInsideTheMargins)
{
    g->Left = 100;
    g->Top = 50;
    // Margin 0.1 of 3000 x 1500: the scale spans x 400..2800, y 1400..200.
    EXPECT_EQ(g->XToPage(0), 400);
    EXPECT_EQ(g->XToPage(10), 2800);
    EXPECT_EQ(g->XToPage(5), 1600);
    EXPECT_EQ(g->YToPage(-1), 1400);
    EXPECT_EQ(g->YToPage(1), 200);
    // Beyond the scale: unclipped goes on, clipped stops at the margin line.
    EXPECT_EQ(g->XToPage(-5), -800);
    EXPECT_EQ(g->XToPageClipped(-5), 400);
    EXPECT_EQ(g->XToPageClipped(15), 2800);
    EXPECT_EQ(g->YToPageClipped(3), 200);
    EXPECT_EQ(g->YToPageClipped(-3), 1400);
    EXPECT_DOUBLE_EQ(g->PageToX(1600), 5);
    EXPECT_NEAR(g->PageToY(800), 0, 1e-12);
    EXPECT_NEAR(g->PageToX(g->XToPage(7.25)), 7.25, 1e-12);
}

TEST_F(TAxeTest, RoundsHalvesToEven)
{
    page.Marge = 0.25;
    g->SetWidth(1002);
    // 1002 x 0.25 = 250.5 and 1002 x 0.75 = 751.5.
    EXPECT_EQ(g->XToPage(0), 250);
    EXPECT_EQ(g->XToPage(10), 752);
    EXPECT_EQ(g->XToPageClipped(-1), 250);
}

TEST_F(TAxeTest, FarAndInvalidValuesStayOnThePage)
{
    // Far beyond the scale the product no longer fits an int: it is held
    // at a bound instead of wrapping around.
    EXPECT_GT(g->XToPage(1e300), 100000000);
    EXPECT_LT(g->XToPage(-1e300), -100000000);
    EXPECT_LT(g->YToPage(1e300), -100000000);
    EXPECT_EQ(g->XToPage(std::nan("")), 0);
    EXPECT_EQ(g->XToPageClipped(1e300), 2700);
    // Negative halves round to even as well.
    page.Marge = 0.25;
    g->XMin = -10;
    g->XMax = -2;
    g->SetWidth(-1002);
    EXPECT_EQ(g->XToPage(-10), -250);
    EXPECT_EQ(g->XToPage(-2), -752);
}

// A scale from the lowest to the highest double spans more than a double:
// it still maps its ends onto the margins and its middle onto the centre.
TEST_F(TAxeTest, ScalesWiderThanTheDoublesMapInOrder)
{
    const double top = std::numeric_limits<double>::max();
    g->XMin = g->YMin = -1;
    g->XMax = g->YMax = 1;
    const int x[] = {g->XToPage(-1), g->XToPage(0), g->XToPage(1)};
    const int y[] = {g->YToPage(-1), g->YToPage(0), g->YToPage(1)};
    g->XMin = g->YMin = -top;
    g->XMax = g->YMax = top;
    EXPECT_EQ(g->XToPage(-top), x[0]);
    EXPECT_EQ(g->XToPage(0), x[1]);
    EXPECT_EQ(g->XToPage(top), x[2]);
    EXPECT_EQ(g->YToPage(-top), y[0]);
    EXPECT_EQ(g->YToPage(0), y[1]);
    EXPECT_EQ(g->YToPage(top), y[2]);
}

TEST_F(TAxeTest, EmptyScaleCollapsesOntoTheCentre)
{
    g->Left = 10;
    g->XMin = g->XMax = 3;
    g->YMin = g->YMax = 3;
    EXPECT_EQ(g->XToPage(-100), 1510);
    EXPECT_EQ(g->XToPage(3), 1510);
    EXPECT_EQ(g->YToPage(1e9), 750);
}

TEST_F(TAxeTest, ElementListKeepsDrawingOrder)
{
    Probe *a = g->AddElement(probe(1));
    Probe *b = g->AddElement(probe(2));
    Probe *c = g->InsertElement(probe(3));
    EXPECT_EQ(g->ElementCount(), 3);
    Record(*g);
    EXPECT_EQ(log, (std::vector<int>{3, 1, 2}));

    std::unique_ptr<TSmallGraph> taken = g->RemoveElement(a);
    EXPECT_EQ(taken.get(), a);
    EXPECT_EQ(g->RemoveElement(a), nullptr);
    EXPECT_EQ(g->Elements(), (std::vector<TSmallGraph *>{c, b}));
    log.clear();
    taken.reset(); // what was taken out belongs to the caller
    g->DeleteElement(c);
    EXPECT_EQ(log, (std::vector<int>{-1, -3}));
    EXPECT_EQ(g->Elements(), (std::vector<TSmallGraph *>{b}));
}

TEST_F(TAxeTest, ElementsAtListsTopMostFirst)
{
    Probe *under = g->AddElement(probe(1, QRect(0, 0, 100, 100)));
    Probe *over = g->AddElement(probe(2, QRect(50, 50, 100, 100)));
    EXPECT_EQ(g->ElementsAt(60, 60), (std::vector<TSmallGraph *>{over, under}));
    EXPECT_EQ(g->ElementsAt(10, 10), (std::vector<TSmallGraph *>{under}));
    EXPECT_TRUE(g->ElementsAt(500, 500).empty());
}

TEST_F(TAxeTest, SetElementCountFreesTheTailAndGrowsEmpty)
{
    for (int id = 1; id <= 4; ++id)
        g->AddElement(probe(id));
    g->SetElementCount(2);
    EXPECT_EQ(log, (std::vector<int>{-4, -3}));
    g->SetElementCount(3);
    EXPECT_EQ(g->ElementCount(), 3);
    EXPECT_EQ(g->Elements()[2], nullptr);
    // Empty entries are skipped by drawing and hit testing.
    log.clear();
    Record(*g);
    EXPECT_EQ(log, (std::vector<int>{1, 2}));
    EXPECT_TRUE(g->ElementsAt(0, 0).empty());
}

TEST_F(TAxeTest, FreeingCurvesTakesTheirLabelsAlong)
{
    AddAnalog({0, 1, 2});
    AddAnalog({1, 2, 3});
    AddAnalog({2, 3, 4});
    g->AddElement(probe(9));
    g->SetAffiches({1, 2});
    // probe, label 1, curve 1, label 2, curve 2: freeing walks from the end
    // while labels vanish in front of it.
    ASSERT_EQ(g->ElementCount(), 5);
    g->SetElementCount(0);
    EXPECT_EQ(g->ElementCount(), 0);
    EXPECT_EQ(log, (std::vector<int>{-9}));
}

TEST_F(TAxeTest, WidthAndHeightRescaleAnnotationsOnly)
{
    AddAnalog({0, 5, 10});
    AddAnalog({0, 1, -1});
    g->SetAffiches({1});
    auto *t = g->AddElement(std::make_unique<TTexte>(g));
    t->DX = 101;
    t->Largeur = -33;
    t->DY = 5;
    t->Hauteur = -7;
    auto *label = dynamic_cast<TLegende *>(g->Elements()[0]);
    ASSERT_NE(label, nullptr);
    const int labelDX = label->DX;
    auto *curve = dynamic_cast<TCourbe *>(g->Elements()[1]);
    ASSERT_NE(curve, nullptr);

    g->SetWidth(4500);
    EXPECT_EQ(g->Width(), 4500);
    EXPECT_EQ(t->DX, 152);      // 151.5 to even
    EXPECT_EQ(t->Largeur, -50); // -49.5 to even
    EXPECT_EQ(t->DY, 5);
    EXPECT_EQ(label->DX, int(std::nearbyint(labelDX * 1.5)));
    EXPECT_EQ(curve->SerieIndex, 1);

    g->SetHeight(750); // 2.5 to even, -3.5 to even
    EXPECT_EQ(t->DY, 2);
    EXPECT_EQ(t->Hauteur, -4);
    EXPECT_EQ(t->DX, 152);
}

TEST_F(TAxeTest, ZeroOldSizeRescalesNothing)
{
    auto *t = g->AddElement(std::make_unique<TTexte>(g));
    t->DX = 101;
    t->DY = 20;
    g->SetWidth(0);
    g->SetHeight(0);
    EXPECT_EQ(t->DX, 0);
    g->SetWidth(2000);
    g->SetHeight(1000);
    EXPECT_EQ(g->Width(), 2000);
    EXPECT_EQ(g->Height(), 1000);
    EXPECT_EQ(t->DX, 0);
    EXPECT_EQ(t->DY, 0);
}

TEST_F(TAxeTest, SetAxeXTakesTheSeriesRange)
{
    AddAnalog({0, 1});
    AddAnalog({-2, 7, 3});
    g->SetAxeX(1);
    EXPECT_EQ(g->AxeX(), 1);
    EXPECT_EQ(g->XMin, -2);
    EXPECT_EQ(g->XMax, 7);
    // A series the page lacks leaves the scale alone.
    g->SetAxeX(12);
    EXPECT_EQ(g->AxeX(), 12);
    EXPECT_EQ(g->XMin, -2);
    EXPECT_EQ(g->XMax, 7);
}

} // namespace

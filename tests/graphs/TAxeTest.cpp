#include "support/GraphPageFixture.h"

#include "annotations/Marker.h"
#include "annotations/TLegende.h"
#include "data/EngNumbers.h"
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
    Probe(TAxe *owner, std::vector<int> *log, int id) : TSmallGraph(owner), m_log(log), m_id(id) {}
    ~Probe() override { m_log->push_back(-m_id); }
    void Draw(Canvas &) override { m_log->push_back(m_id); }
    bool HitTest(int, int) const override { return true; }
    int GetCursor() const override { return 0; }
    void Edit() override {}
    void SaveToStrings(DocumentWriter &) const override {}
    QString Designation() const override { return {}; }

private:
    std::vector<int> *m_log;
    int m_id;
};

class TAxeTest : public GraphPageFixture
{
protected:
    TAxeTest() { g = AddGraph(0, 10, -1, 1); }
    // Probes write into the log as they go: free them while it still exists.
    ~TAxeTest() override { page.SetGraphCount(0); }

    std::unique_ptr<Probe> probe(int id) { return std::make_unique<Probe>(g, &log, id); }

    TMath *g;
    std::vector<int> log;
};

TEST_F(TAxeTest, ValuesMapInsideTheMarginsWithHalvesToEven)
{
    const struct {
        double marge;
        int left, width;
        double xmin, xmax, v;
        int page, clipped;
    } cases[] = {
        // Margin 0.1 of 3000 from Left 100: the scale spans 400..2800.
        {0.1, 100, 3000, 0, 10, 0, 400, 400},
        {0.1, 100, 3000, 0, 10, -5, -800, 400},
        {0.1, 100, 3000, 0, 10, 15, 4000, 2800},
        // 1002 x 0.25 = 250.5 and 1002 x 0.75 = 751.5, negative ones alike.
        {0.25, 0, 1002, 0, 10, 0, 250, 250},
        {0.25, 0, 1002, 0, 10, 10, 752, 752},
        {0.25, 0, -1002, -10, -2, -2, -752, -752},
        // An empty scale collapses onto the centre.
        {0.1, 10, 3000, 3, 3, -100, 1510, 310},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.width << " " << c.xmin << ".." << c.xmax << " @" << c.v);
        page.Marge = c.marge;
        g->Left = c.left;
        g->SetWidth(c.width);
        g->XMin = c.xmin;
        g->XMax = c.xmax;
        EXPECT_EQ(g->XToPage(c.v), c.page);
        EXPECT_EQ(g->XToPageClipped(c.v), c.clipped);
    }
    page.Marge = 0.1;
    g->Left = 0;
    g->SetWidth(3000);
    g->XMin = 0;
    g->XMax = 10;
    EXPECT_EQ(std::tuple(g->YToPage(-1), g->YToPage(1), g->YToPageClipped(3)),
              std::tuple(1350, 150, 150));
    EXPECT_NEAR(g->PageToX(g->XToPage(7.25)), 7.25, 1e-2);
    EXPECT_NEAR(g->PageToY(750), 0, 1e-12);
    // Far beyond the scale the product no longer fits an int: it is held at
    // a bound instead of wrapping around.
    EXPECT_GT(g->XToPage(1e300), 100000000);
    EXPECT_LT(g->XToPage(-1e300), -100000000);
    EXPECT_LT(g->YToPage(1e300), -100000000);
    EXPECT_EQ(g->XToPageClipped(1e300), 2700);
    EXPECT_EQ(g->XToPage(std::nan("")), 0);
    g->YMin = g->YMax = 3;
    EXPECT_EQ(g->YToPage(1e9), 750);
}

// A scale from the lowest to the highest double spans more than a double:
// it still maps its ends onto the margins and its middle onto the centre.
TEST_F(TAxeTest, ScalesWiderThanTheDoublesMapInOrder)
{
    const double top = std::numeric_limits<double>::max();
    g->XMin = g->YMin = -top;
    g->XMax = g->YMax = top;
    EXPECT_EQ(std::vector<int>({g->XToPage(-top), g->XToPage(0), g->XToPage(top)}),
              std::vector<int>({300, 1500, 2700}));
    EXPECT_EQ(std::vector<int>({g->YToPage(-top), g->YToPage(0), g->YToPage(top)}),
              std::vector<int>({1350, 750, 150}));
}

// Decades evenly apart; nothing at or below zero lies on the scale, so such
// values keep to the low margin line; readings, markers and the way back
// follow the same mapping.
TEST_F(TAxeTest, LogarithmicScalesMapDecadesEvenly)
{
    AddAnalog({10, 1e6}, QStringLiteral("f"), clBlack, QStringLiteral("Hz"));
    g->XMin = 10;
    g->XMax = 1e6;
    g->YMin = 1e-15;
    g->YMax = 1e-12;
    g->LogX = g->LogY = true;
    const std::vector<double> xs{10, 100, 1e3, 1e4, 1e5, 1e6, 3162.2776601683795, 0, -5, 1e7};
    std::vector<int> pages, clipped;
    for (double x : xs) {
        pages.push_back(g->XToPage(x));
        clipped.push_back(g->XToPageClipped(x));
    }
    EXPECT_EQ(pages, (std::vector<int>{300, 780, 1260, 1740, 2220, 2700, 1500, 300, 300, 3180}));
    EXPECT_EQ(clipped, (std::vector<int>{300, 780, 1260, 1740, 2220, 2700, 1500, 300, 300, 2700}));
    EXPECT_EQ(std::tuple(g->YToPage(1e-15), g->YToPage(1e-14), g->YToPage(1e-12), g->YToPage(0)),
              std::tuple(1350, 950, 150, 1350));
    EXPECT_NEAR(g->PageToX(1260), 1000, 1e-9);
    EXPECT_NEAR(g->PageToY(950), 1e-14, 1e-27);
    EXPECT_NEAR(g->PageToX(1261) / 1000, 1.0048, 1e-4) << "one unit is 1/480 decade";

    // The reading under the pointer: a tenth of a pixel's worth of digits.
    const int sx = page.ScreenX(g->XToPage(2000));
    EXPECT_EQ(g->CursorXText(sx).right(2), "Hz");
    EXPECT_NEAR(ParseEng(g->CursorXText(sx).chopped(2)), 2000, 2000 * 0.03);
    EXPECT_NEAR(ParseEng(g->CursorYText(page.ScreenY(950))), 1e-14, 1e-14 * 0.03);

    auto *marker = g->AddElement(std::make_unique<TVMarker>(g));
    marker->RefX = 1000;
    EXPECT_EQ(marker->GetX(), 1260);
    marker->SetDX(480);
    EXPECT_NEAR(marker->RefX, 10000, 1e-6);

    // Limits not both above zero: laid out linearly until they are.
    g->XMin = 0;
    EXPECT_EQ(g->XToPage(5e5), 1500);
}

TEST_F(TAxeTest, ElementListKeepsDrawingOrderAndFreesWhatItOwns)
{
    Probe *a = g->AddElement(probe(1));
    Probe *b = g->AddElement(probe(2));
    Probe *c = g->InsertElement(probe(3));
    Record(*g);
    EXPECT_EQ(log, (std::vector<int>{3, 1, 2}));
    EXPECT_EQ(g->ElementsAt(0, 0), (std::vector<TSmallGraph *>{b, a, c})) << "top-most first";

    std::unique_ptr<TSmallGraph> taken = g->RemoveElement(a);
    EXPECT_EQ(taken.get(), a);
    EXPECT_EQ(g->RemoveElement(a), nullptr);
    log.clear();
    taken.reset(); // what was taken out belongs to the caller
    g->DeleteElement(c);
    EXPECT_EQ(log, (std::vector<int>{-1, -3}));
    EXPECT_EQ(g->Elements(), (std::vector<TSmallGraph *>{b}));

    g->AddElement(probe(4));
    g->AddElement(probe(5));
    log.clear();
    g->SetElementCount(1);
    EXPECT_EQ(log, (std::vector<int>{-5, -4}));
    g->SetElementCount(3);
    EXPECT_EQ(g->Elements(), (std::vector<TSmallGraph *>{b, nullptr, nullptr}));
    // Empty entries are skipped by drawing and hit testing.
    log.clear();
    Record(*g);
    EXPECT_EQ(log, (std::vector<int>{2}));
    EXPECT_EQ(g->ElementsAt(0, 0), (std::vector<TSmallGraph *>{b}));
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
    EXPECT_EQ(std::pair(g->ElementCount(), log), std::pair(0, std::vector<int>{-9}));
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

    g->SetWidth(4500); // 151.5 and -49.5 to even
    EXPECT_EQ(std::tuple(t->DX, t->Largeur, t->DY, label->DX),
              std::tuple(152, -50, 5, int(std::nearbyint(labelDX * 1.5))));
    g->SetHeight(750); // 2.5 and -3.5 to even
    EXPECT_EQ(std::tuple(t->DX, t->DY, t->Hauteur), std::tuple(152, 2, -4));

    // From a zero size nothing can be rescaled.
    g->SetWidth(0);
    g->SetHeight(0);
    g->SetWidth(2000);
    g->SetHeight(1000);
    EXPECT_EQ(std::tuple(g->Width(), t->DX, t->DY), std::tuple(2000, 0, 0));
}

TEST_F(TAxeTest, SetAxeXTakesTheSeriesRange)
{
    AddAnalog({0, 1});
    AddAnalog({-2, 7, 3});
    g->SetAxeX(1);
    EXPECT_EQ(std::pair(g->XMin, g->XMax), std::pair(-2.0, 7.0));
    // A series the page lacks leaves the scale alone.
    g->SetAxeX(12);
    EXPECT_EQ(std::pair(g->AxeX(), g->XMax), std::pair(12, 7.0));
}

} // namespace

// Legend text, colour through the series, placement in rows of ten, drawing
// and the behaviour on a series the page does not hold.
#include "annotations/TLegende.h"
#include "AnnotationFixture.h"
#include "graphs/TCourbe.h"

namespace
{

class TLegendeTest : public AnnotationFixture
{
protected:
    TLegendeTest()
    {
        AddAnalog({0, 1}, QStringLiteral("Temps"), clBlack, QStringLiteral("s"));
        vs = AddAnalog({0, 1}, QStringLiteral("Vs"), clBlue, QStringLiteral("V"));
    }
    int vs = 0;
};

TEST_F(TLegendeTest, TextIsTheSeriesNameWithItsUnitInParenthesesWhenThereIsOne)
{
    struct Case {
        QString name, unit, shown;
    };
    const Case cases[] = {
        {QStringLiteral("Vs"), QStringLiteral("V"), QStringLiteral("Vs(V)")},
        {QStringLiteral("Vs"), QString(), QStringLiteral("Vs")},
    };
    for (const Case &c : cases) {
        const int i = AddAnalog({0, 1}, c.name, clRed, c.unit);
        EXPECT_EQ(Add(new TLegende(graph, i))->LegendText(), c.shown);
    }
}

TEST_F(TLegendeTest, ColourLivesInTheSeriesSharedWithItsCurve)
{
    auto *curve = Add(new TCourbe(graph, vs)); // appends its own label first
    auto *legend = dynamic_cast<TLegende *>(graph->Elements().front());
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(legend->GetColor(), clBlue);
    legend->SetColor(clRed);
    EXPECT_EQ(page.Datas->Item(vs)->Color, clRed);
    EXPECT_EQ(curve->GetColor(), clRed);
    curve->SetColor(clGreen);
    EXPECT_EQ(legend->GetColor(), clGreen);

    page.DefColor = clPurple;
    legend->ApplyDefaults();
    EXPECT_EQ(curve->GetColor(), clPurple);
}

TEST_F(TLegendeTest, LegendsFillRowsOfTenAlongTheTopTwoFontSizesApart)
{
    page.DefFont.Italic = true;
    std::vector<TLegende *> legends;
    for (int i = 0; i < 12; ++i)
        legends.push_back(Add(new TLegende(graph, vs)));
    EXPECT_EQ(graph->LabelCount, 12);

    // Font 30 -> 36 points, bold only.
    EXPECT_EQ(std::tuple(legends[0]->Font.Size, legends[0]->Font.Bold, legends[0]->Font.Italic),
              std::tuple(36, true, false));

    // Scale 0..10 on 3000 units with a 10 % margin: slot k at 300 + 240 k.
    struct Case {
        int slot, dx, dy;
    };
    const Case cases[] = {{0, 300, 1500 - 72}, {9, 2460, 1500 - 72}, {11, 540, 1500 - 144}};
    for (const Case &c : cases)
        EXPECT_EQ(QPoint(legends[std::size_t(c.slot)]->DX, legends[std::size_t(c.slot)]->DY),
                  QPoint(c.dx, c.dy))
            << c.slot;
}

TEST_F(TLegendeTest, ALabelThatWouldOverlapTheOneBeforeOnItsRowStartsJustAfterIt)
{
    const char *const names[] = {"Vs", "Tension de sortie", "Ve", "I", "Courant d'entrée",
                                 "Ic", "Ib", "Puissance dissipée", "P", "Vce", "Tension de sortie"};
    std::vector<TLegende *> labels;
    for (const char *name : names)
        labels.push_back(Add(new TLegende(graph, AddAnalog({0, 1}, QString::fromUtf8(name)))));
    Record(*graph); // the labels measure themselves
    // Slot k at 300 + 240 k (as above); half a 36-point font between labels.
    int moved = 0;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const int slot = 300 + 240 * int(i % 10);
        const TLegende *before = i % 10 ? labels[i - 1] : nullptr;
        const bool overlaps = before && before->DX + before->Largeur > slot;
        EXPECT_EQ(labels[i]->DX, overlaps ? before->DX + before->Largeur + 18 : slot) << i;
        moved += overlaps;
    }
    EXPECT_EQ(moved, 3); // Ve, Ic and P, after the long names
}

TEST_F(TLegendeTest, TheFontGrowsByAFifthOfItsPixelHeight)
{
    // Points -> pixels at 96 per inch, times 1.2 rounded, back to points:
    // 11 -> 15 -> 18 -> 13.5 -> 14 and 13 -> 17 -> 20 -> 15, where growing the
    // points directly would give 13 and 16.
    const struct {
        int size, grown;
    } cases[] = {{11, 14}, {13, 15}};
    for (const auto &c : cases) {
        page.DefFont.Size = c.size;
        graph->LabelCount = 0;
        auto *legend = Add(new TLegende(graph, vs));
        EXPECT_EQ(legend->Font.Size, c.grown) << c.size;
        EXPECT_EQ(legend->DY, 1500 - 2 * c.grown) << c.size;
    }
}

TEST_F(TLegendeTest, IsDrawnAtItsOffsetsInTheSeriesColourEvenWhenAnchoredOutOfRange)
{
    auto *legend = Add(new TLegende(graph, vs));
    legend->LockXY = true;
    legend->RefX = 1e6;
    ASSERT_EQ(Record(*legend).Count(), 1);
    EXPECT_TRUE(legend->HitTest(300 + legend->Largeur / 2, 72 - legend->Hauteur / 2));
    EXPECT_FALSE(legend->HitTest(300 - 15, 72));
    EXPECT_EQ(legend->GetSizeHandle(), QPoint(-1, -1));
}

TEST_F(TLegendeTest, TheAxisLegendShowsTheAbscissaSeriesInTheAxisColour)
{
    graph->ColorAxe = clMaroon;
    graph->SetAxeX(0);
    auto *legend = Add(new TLegende(graph, vs));
    legend->IsAxeX = true;
    const PagePicture picture = Record(*legend);
    ASSERT_EQ(picture.Count(), 1);
    EXPECT_EQ(std::tuple(picture.At(0).Text, picture.At(0).Font.Color),
              std::tuple(QStringLiteral("Temps(s)"), clMaroon));
}

TEST_F(TLegendeTest, ASeriesThePageDoesNotHoldDrawsNothingAndReadsNothing)
{
    for (int index : {-1, 1000}) {
        auto *legend = Add(new TLegende(graph, index));
        EXPECT_TRUE(legend->LegendText().isEmpty());
        EXPECT_TRUE(Record(*legend).IsEmpty());
        legend->SetColor(clRed);
        EXPECT_EQ(legend->GetColor(), clRed);
        EXPECT_FALSE(legend->HitTest(legend->GetX() + 20, legend->GetY()));
    }
    EXPECT_EQ(page.Datas->Item(vs)->Color, clBlue);
}

} // namespace

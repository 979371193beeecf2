// Whole pages written as SVG and compared with reference files. The XY page:
// axes crossing outside the scale (break marks), graduations at both ends,
// grid lines, labels too close to be all written, analog, logic and bus
// curves clipped onto the margin lines, legends, arrow heads either way,
// markers and a text. The oscilloscope page: graticule, scale labels wrapping
// onto rows, a gap at a missing sample on both graph kinds, zero-level arrows
// above, on and below the screen. The Bode page: decades and the ticks
// between them on a logarithmic frequency scale shared by two graphs, two
// vectors in the same colours in both, a phase below -180 degrees.
#include "support/GraphPageFixture.h"
#include "support/Golden.h"
#include "support/OscRecords.h"
#include "support/RawFiles.h"

#include "annotations/Marker.h"
#include "annotations/TArrow.h"
#include "annotations/TTexte.h"
#include "page/OscImport.h"
#include "render/PageExport.h"
#include <QBuffer>
#include <limits>

namespace
{

class PageDrawingTest : public GraphPageFixture
{
protected:
    // The page's SVG, checked to come out the same when drawn in passes of
    // a few records, as a large page is.
    QByteArray Svg()
    {
        page.RenderPage();
        const QByteArray whole = svgInPassesOf(std::numeric_limits<int>::max());
        for (const int records : {1, 2, 7, 60})
            EXPECT_EQ(svgInPassesOf(records), whole) << records << " records per pass";
        return whole;
    }
    QByteArray svgInPassesOf(int records)
    {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        EXPECT_TRUE(WritePageSvg(out, page.Metafile(), page.BackColor, records));
        return out.data();
    }
    TMath *Graph(double xmin, double xmax, double ymin, double ymax, double pasX, double pasY,
                 TSeriesSet shown)
    {
        TMath *g = AddGraph(xmin, xmax, ymin, ymax);
        g->PasX = pasX;
        g->PasY = pasY;
        g->SetAffiches(shown);
        return g;
    }
    template <class T> T *Shape(TAxe *g, QPoint from, QPoint to)
    {
        auto *d = g->AddElement(std::make_unique<T>(g));
        d->MoveX(from.x());
        d->MoveY(from.y());
        d->SetX2(to.x());
        d->SetY2(to.y());
        return d;
    }
};

TEST_F(PageDrawingTest, XYPageOfEveryKindOfScaleAndElement)
{
    AddAnalog({0, 1, 2, 3}, QStringLiteral("t"), clBlack, QStringLiteral("s"));
    AddAnalog({-4, -2, -3, -1.5}, QStringLiteral("Vs"), clBlue, QStringLiteral("V"));
    AddLogic({7, 1, 1, 7}); // SLO, SHI, SHI, SLO
    AddBus({3, -1, 9, 2});  // -1: a void word, below the scale
    TMath *negative = Graph(0, 3, -5, -1, 0.5, 1, {1});
    Shape<TArrow>(negative, {1500, 500}, {1000, 500});
    Shape<TArrow>(negative, {1000, 1200}, {1000, 900})->DoubleArrow = true;
    Shape<TArrow>(negative, {2000, 1000}, {2000, 1000})->DoubleArrow = true;
    auto *text = negative->AddElement(std::make_unique<TTexte>(negative));
    text->Texte = QStringLiteral("Vs = 10 kΩ");
    text->DX = 400;
    text->DY = 300;
    TMath *bothEnds = Graph(2, 12, -1, 1, 2, 0.5, {2});
    bothEnds->QuadriVer = false;
    bothEnds->AddElement(std::make_unique<THMarker>(bothEnds))->RefY = 0.5;
    bothEnds->AddElement(std::make_unique<TVMarker>(bothEnds))->RefX = 5;
    Graph(-1, 3, 0, 6, 1, 1, {3});
    Graph(1000, 1001.9, -1, 1, 0.1, 1, {}); // twenty graduations ~126 units apart
    page.SetMFHeight(4 * 1500);
    ExpectGolden(QStringLiteral("graphs/golden/xy-page.svg"), Svg());
}

TEST_F(PageDrawingTest, OscilloscopePageAndTheSameChannelOnAnXYGraph)
{
    page.SetMFWidth(1000);
    std::vector<int> gap(1024, 128);
    gap[10] = 0;
    const TChannelData channels[] = {
        ChannelRecord("CH1", 0.02, 300, gap),     ChannelRecord("CH2", 0.5, 100, {}, 1024),
        ChannelRecord("CH3", 2e-3, 5, {}, 1024),  ChannelRecord("CH4", 0.02, 128, {}, 1024),
        ChannelRecord("MATH", 1, 128, {}, 1024, "Undefine"),
    };
    std::array<const TChannelData *, OscChannels.size()> records{};
    for (std::size_t k = 0; k < std::size(channels); ++k)
        records[k] = &channels[k];
    ASSERT_TRUE(page.ImportOscSeries(OscSeries(TimeBaseRecord(1024, 1e-6), false, records)));
    page.AppendGraph(std::unique_ptr<TAxe>(TMath::CreateFromDatas(&page, {1}, 0)));
    page.SetMFHeight(page.MFHeight());
    ExpectGolden(QStringLiteral("graphs/golden/oscilloscope-page.svg"), Svg());
}

TEST_F(PageDrawingTest, BodePageOfAThreeStageLadder)
{
    ASSERT_TRUE(page.ImportFile(SpiceSample(QStringLiteral("ladder-ac-binary.raw"))));
    ExpectGolden(QStringLiteral("graphs/golden/bode-page.svg"), Svg());
}

} // namespace

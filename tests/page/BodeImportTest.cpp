// An AC analysis opens as a Bode page, each point where the simulator's own
// values put it.
#include "support/GraphPageFixture.h"
#include "support/RawFiles.h"
#include "support/SampleFiles.h"

#include "data/EngNumbers.h"
#include "graphs/TCourbe.h"
#include <QRegularExpression>
#include <cmath>
#include <numbers>

namespace
{

struct AcPoint {
    double F, Re, Im;
    double Gain() const { return 20 * std::log10(std::hypot(Re, Im)); }
    double Phase() const { return std::atan2(Im, Re) * 180 / std::numbers::pi; }
};

// The points of a text raw file of one complex vector, read here on their own:
// "index<tab>frequency,0" then "<tab>re,im".
std::vector<AcPoint> AcPoints(const QString &file)
{
    const QStringList lines = QString::fromLatin1(ReadSampleFile(file)).split(QLatin1Char('\n'));
    std::vector<AcPoint> points;
    for (qsizetype i = lines.indexOf(QStringLiteral("Values:")) + 1; i + 1 < lines.size(); i += 3) {
        const QStringList head =
            lines[i].split(QRegularExpression(QStringLiteral("[\\s,]+")), Qt::SkipEmptyParts);
        const QStringList value = lines[i + 1].trimmed().split(QLatin1Char(','));
        if (head.size() == 3 && value.size() == 2)
            points.push_back({head[1].toDouble(), value[0].toDouble(), value[1].toDouble()});
    }
    return points;
}

// The frequency where the straight line between two successive points on
// the logarithmic scale meets level.
double Crossing(const std::vector<AcPoint> &points, double (AcPoint::*y)() const, double level)
{
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const double a = (points[i].*y)(), b = (points[i + 1].*y)();
        if (a >= level && level > b) {
            const double la = std::log10(points[i].F), lb = std::log10(points[i + 1].F);
            return std::pow(10, la + (level - a) / (b - a) * (lb - la));
        }
    }
    return NAN;
}

class BodeImportTest : public GraphPageFixture
{
protected:
    // The points of the curves the graph draws.
    std::vector<QPoint> CurvePoints(TAxe &g)
    {
        std::vector<QPoint> out;
        for (TSmallGraph *e : g.Elements())
            if (auto *c = dynamic_cast<TCourbe *>(e)) {
                const PagePicture drawn = Record(*c);
                for (const PictureRecord &r : RecordsOf(drawn, TPictureOp::Polyline))
                    out.insert(out.end(), r.Points.begin(), r.Points.end());
            }
        return out;
    }
};

TEST_F(BodeImportTest, TheRCLowPassCrossesItsCutOffWhereTheSimulatorPutsIt)
{
    const QString file = SpiceSample(QStringLiteral("rc-ac-ascii.raw"));
    ASSERT_TRUE(page.ImportFile(file));
    ASSERT_EQ(page.GraphCount(), 2);
    auto *gains = dynamic_cast<TMath *>(page.Graphs(0));
    auto *phases = dynamic_cast<TMath *>(page.Graphs(1));
    ASSERT_TRUE(gains && phases);
    const TData &gain = *page.Datas->Item(1), &phase = *page.Datas->Item(2);
    EXPECT_EQ(std::tuple(gains->Affiches(), phases->Affiches(), gain.Unit, phase.Unit),
              std::tuple(TSeriesSet{1}, TSeriesSet{2}, QStringLiteral("dB"), QStringLiteral("°")));
    EXPECT_EQ(phase.Color, gain.Color);
    const TData &f = *page.Datas->Item(0);
    for (TMath *g : {gains, phases})
        EXPECT_EQ(std::tuple(g->LogX, g->LogY, g->XMin, g->XMax, g->Width(), g->Height()),
                  std::tuple(true, false, f.Min, f.Max, 2000, 1500));
    EXPECT_EQ(std::tuple(gains->YMin, gains->YMax, phases->YMin, phases->YMax),
              std::tuple(-60.0, 0.0, -90.0, 0.0))
        << "-56 dB and -89 degrees widened to whole steps";

    const std::vector<AcPoint> ac = AcPoints(file);
    ASSERT_EQ(int(ac.size()), gain.Count());
    std::vector<QPoint> gainPoints, phasePoints;
    for (std::size_t i = 0; i < ac.size(); ++i) {
        EXPECT_NEAR(gain.GetValue(int(i)), ac[i].Gain(), 1e-12);
        EXPECT_NEAR(phase.GetValue(int(i)), ac[i].Phase(), 1e-12);
        gainPoints.push_back({gains->XToPage(ac[i].F), gains->YToPage(ac[i].Gain())});
        phasePoints.push_back({phases->XToPage(ac[i].F), phases->YToPage(ac[i].Phase())});
    }
    EXPECT_EQ(CurvePoints(*gains), gainPoints);
    EXPECT_EQ(CurvePoints(*phases), phasePoints);
    EXPECT_EQ(FormatEng(Crossing(ac, &AcPoint::Gain, -3), 10), "1,59k");
    EXPECT_EQ(FormatEng(Crossing(ac, &AcPoint::Phase, -45), 10), "1,59k");
}

// The last frequency lies a rounding step above 1 MHz, the limit the page
// keeps once written with fifteen digits: its segment is drawn all the same.
TEST_F(BodeImportTest, UndoingAScaleChangeGivesBackTheCurvesAsImported)
{
    ASSERT_TRUE(page.ImportFile(SpiceSample(QStringLiteral("rc-ac-binary.raw"))));
    page.RenderPage();
    const std::vector<QPoint> gains = CurvePoints(*page.Graphs(0));
    const std::vector<QPoint> phases = CurvePoints(*page.Graphs(1));
    dynamic_cast<TMath *>(page.Graphs(0))->LogX = false;
    page.MarkModified(QStringLiteral("Échelle"));
    page.Undo();
    page.RenderPage();
    EXPECT_EQ(CurvePoints(*page.Graphs(0)), gains);
    EXPECT_EQ(CurvePoints(*page.Graphs(1)), phases);
}

} // namespace

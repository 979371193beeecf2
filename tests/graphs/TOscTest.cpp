#include "support/GraphPageFixture.h"
#include "support/OscRecords.h"

#include "data/EngNumbers.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/SpinEdit.h"
#include "graphs/TCourbe.h"
#include "graphs/TOsc.h"
#include "page/OscImport.h"
#include "support/ScriptedPrompts.h"
#include <QRegularExpression>
#include <set>

namespace
{

class TOscTest : public GraphPageFixture
{
protected:
    // A screen of the channels against a time base of count points 1 µs apart.
    TOsc *screen(const std::vector<TChannelData> &channels, int count = 20)
    {
        std::array<const TChannelData *, OscChannels.size()> records{};
        for (std::size_t k = 0; k < channels.size(); ++k)
            records[k] = &channels[k];
        EXPECT_TRUE(page.ImportOscSeries(OscSeries(TimeBaseRecord(count, 1e-6), false, records)));
        return dynamic_cast<TOsc *>(page.Graphs(0));
    }
    TCourbe *curve(const TAxe &g, int serie) const
    {
        for (TSmallGraph *e : g.Elements())
            if (auto *c = dynamic_cast<TCourbe *>(e); c && c->SerieIndex == serie)
                return c;
        return nullptr;
    }
    static std::vector<PictureRecord> labels(const PagePicture &p)
    {
        std::vector<PictureRecord> out;
        for (const PictureRecord &r : RecordsOf(p, TPictureOp::Text))
            if (r.Text.endsWith(QLatin1String("/div")))
                out.push_back(r);
        return out;
    }
};

TEST_F(TOscTest, HeightIsFourFifthsOfTheWidth)
{
    TOsc *g = screen({ChannelRecord("CH1", 0.02, 128, {})});
    EXPECT_EQ(g->Height(), 2400);
    page.SetMFWidth(2001);
    EXPECT_EQ(g->Height(), 1601) << "1600.8";
}

TEST_F(TOscTest, GraticuleCentreLinesTakeTheAxisStyle)
{
    TOsc *g = screen({ChannelRecord("CH1", 0.02, 128, {})});
    g->ColorAxe = clRed;
    g->EpaisAxe = 3;
    const int yb = g->YToPage(g->YMin), yt = g->YToPage(g->YMax);
    const int xl = g->XToPageClipped(g->XMin - 1), xr = g->XToPageClipped(g->XMax + 1);
    std::map<std::pair<TColor, int>, int> vertical, horizontal;
    const PagePicture p = Record(*g);
    for (const PictureRecord &r : RecordsOf(p, TPictureOp::Line)) {
        const QPoint a = r.Points[0], b = r.Points[1];
        const auto pen = std::make_pair(r.Pen.Color, r.Pen.Width);
        if (a.x() == b.x() && std::abs(a.y() - b.y()) == yb - yt)
            ++vertical[pen];
        if (a.y() == b.y() && std::abs(a.x() - b.x()) == xr - xl)
            ++horizontal[pen];
    }
    using Pens = std::map<std::pair<TColor, int>, int>;
    EXPECT_EQ(vertical, (Pens{{{clSilver, 1}, 8}, {{clRed, 3}, 1}}));
    EXPECT_EQ(horizontal, (Pens{{{clSilver, 1}, 6}, {{clRed, 3}, 1}}));
}

TEST_F(TOscTest, ScaleLabelsGiveEachSeriesItsScalePerDivision)
{
    const PagePicture p = Record(*screen({ChannelRecord("CH1", 0.02, 128, {}),
                                          ChannelRecord("MATH", 1, 128, {}, 0, "Undefine"),
                                          ChannelRecord("CH3", 2e-3, 128, {})},
                                         1024));
    const auto l = labels(p);
    ASSERT_EQ(l.size(), 3u);
    // 1024 points show 1013 of them: 1013 µs over ten divisions.
    EXPECT_EQ(l[0].Text, "t : 101,3µs/div");
    EXPECT_EQ(l[1].Text, "CH1 : 500mV/div");
    EXPECT_EQ(l[2].Text, "CH3 : 50mV/div");
    EXPECT_EQ(l[2].Font.Color, OscChannels[2].Color);
}

TEST_F(TOscTest, LabelsWrapOntoRowsStartingAtTheLeftMarginLine)
{
    page.SetMFWidth(1000);
    std::vector<TChannelData> channels;
    for (const char *name : {"CH1", "CH2", "CH3", "CH4", "Math1"})
        channels.push_back(ChannelRecord(name, 0.02, 128, {}));
    TOsc *g = screen(channels);
    const auto l = labels(Record(*g));
    ASSERT_EQ(l.size(), 6u);
    const int x0 = g->XToPageClipped(g->XMin - 1), xr = g->XToPageClipped(g->XMax + 1);
    PagePicture scratch;
    RecordingCanvas measure(scratch);
    measure.Font = g->FontGrad;
    // Rows run downwards, each starting on the margin line, the labels of a
    // row apart and within the screen's width.
    std::set<int> rows;
    for (std::size_t i = 0; i < l.size(); ++i) {
        const QPoint at = l[i].Points[0];
        EXPECT_LE(at.x() + measure.TextExtent(l[i].Text).width(), xr) << i;
        if (i == 0 || at.y() != l[i - 1].Points[0].y()) {
            EXPECT_EQ(at.x(), x0) << i;
            EXPECT_TRUE(i == 0 || at.y() > l[i - 1].Points[0].y()) << i;
            rows.insert(at.y());
        } else {
            const QPoint prev = l[i - 1].Points[0];
            EXPECT_GT(at.x(), prev.x() + measure.TextExtent(l[i - 1].Text).width()) << i;
        }
    }
    EXPECT_GE(rows.size(), 3u);
}

TEST_F(TOscTest, MissingSampleLeavesAGapOnBothGraphKinds)
{
    std::vector<int> codes(20, 128);
    codes[10] = 0;
    TOsc *g = screen({ChannelRecord("CH1", 0.02, 128, codes)});
    std::unique_ptr<TMath> xy(TMath::CreateFromDatas(&page, {1}, 0));
    for (const TAxe *graph : {static_cast<const TAxe *>(g), static_cast<const TAxe *>(xy.get())}) {
        std::vector<std::pair<int, int>> runs;
        const PagePicture p = Record(*curve(*graph, 1));
        for (const PictureRecord &r : RecordsOf(p, TPictureOp::Polyline))
            runs.emplace_back(r.Points.front().x(), r.Points.back().x());
        const auto x = [&](int i) { return graph->XToPage(i * 1e-6); };
        EXPECT_EQ(runs, (std::vector<std::pair<int, int>>{{x(0), x(9)}, {x(11), x(19)}}));
    }
}

TEST_F(TOscTest, ZeroLevelMarkerPointsTowardTheLevel)
{
    const struct {
        double yOff;
        int tipY; // 0: the level itself
        int tipDx;
    } cases[] = {{300, -1, -1}, {100, 0, 0}, {5, 1, -1}};
    for (const auto &c : cases) {
        TOsc *g = screen({ChannelRecord("CH1", 0.02, c.yOff, {})});
        const int yt = g->YToPageClipped(g->YMax + 1), yb = g->YToPageClipped(g->YMin - 1);
        const int s = (yb - yt) / 80;
        const int level = c.tipY < 0 ? yt : c.tipY > 0 ? yb : g->YToPage(c.yOff);
        const PagePicture p = Record(*curve(*g, 1));
        const auto arrows = RecordsOf(p, TPictureOp::Polygon);
        ASSERT_EQ(arrows.size(), 1u) << c.yOff;
        EXPECT_EQ(arrows[0].Points[0], QPoint(g->XToPageClipped(g->XMin - 1) + c.tipDx * s, level))
            << c.yOff;
        EXPECT_EQ(arrows[0].Brush.Color, OscChannels[0].Color);
        const bool upward = arrows[0].Points[1].y() > arrows[0].Points[0].y();
        EXPECT_EQ(upward, c.tipY < 0) << c.yOff;
    }
}

TEST_F(TOscTest, PointerReadingsGiveOneValuePerChannel)
{
    TOsc *g = screen({ChannelRecord("CH1", 0.02, 128, {}), ChannelRecord("CH2", 0.5, 118, {})});
    const int sy = page.ScreenY(g->YToPage(128));
    const QRegularExpression reading(QStringLiteral("^CH1\\((.*)V\\)  CH2\\((.*)V\\)  $"));
    const auto m = reading.match(g->CursorYText(sy));
    ASSERT_TRUE(m.hasMatch()) << g->CursorYText(sy).toStdString();
    EXPECT_NEAR(ParseEng(m.captured(1)), 0, 0.02);
    EXPECT_NEAR(ParseEng(m.captured(2)), 5, 0.5);
    const int sx = page.ScreenX(g->XToPage(10e-6));
    EXPECT_NEAR(ParseEng(g->CursorXText(sx)), 10e-6, 0.2e-6);
}

TEST_F(TOscTest, DialogRestylesTheScreenAndOnlyShowsItsSize)
{
    ScriptedPrompts prompts;
    TOsc *g = screen({ChannelRecord("CH1", 0.02, 128, {})});
    prompts.Dialogs.push_back([](QDialog &d) {
        auto *height = d.findChild<TSpinEdit *>("SEHeight");
        EXPECT_EQ(height->value(), 2400);
        EXPECT_TRUE(height->isReadOnly());
        d.findChild<TSpinEdit *>("SEEpaisQuadri")->setValue(3);
        d.findChild<TColorSwatch *>("PColorAxe")->SetColor(clBlue);
        return int(QDialog::Accepted);
    });
    g->Edit();
    EXPECT_EQ(std::tuple(g->EpaisQuadri, g->ColorAxe, g->Height()), std::tuple(3, clBlue, 2400));
}

} // namespace

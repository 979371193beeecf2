#include "support/GraphPageFixture.h"
#include "support/OscRecords.h"

#include "data/EngNumbers.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/SpinEdit.h"
#include "graphs/TCourbe.h"
#include "graphs/TOsc.h"
#include "page/OscImport.h"
#include "render/PageFont.h"
#include "support/ScriptedPrompts.h"
#include <QRegularExpression>

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
};

TEST_F(TOscTest, HeightIsFourFifthsOfTheWidth)
{
    TOsc *g = screen({ChannelRecord("CH1", 0.02, 128, {})});
    EXPECT_EQ(g->Height(), 2400);
    page.SetMFWidth(2001);
    EXPECT_EQ(g->Height(), 1601) << "1600.8";
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

TEST_F(TOscTest, ScaleLabelsKeepTheirFontUnlessTheirRowsWouldRunOverTheGraphBelow)
{
    TOsc *g = screen({ChannelRecord("CH1", 0.02, 128, {}), ChannelRecord("CH2", 0.5, 128, {}),
                      ChannelRecord("CH3", 2e-3, 128, {}), ChannelRecord("CH4", 0.02, 128, {})});
    for (const auto &[width, shrinks] : {std::pair(3000, false), std::pair(1000, true)}) {
        page.SetMFWidth(width);
        int scales = 0;
        const PagePicture picture = Record(*g); // the records point into it
        for (const PictureRecord &r : RecordsOf(picture, TPictureOp::Text)) {
            if (!r.Text.endsWith(QStringLiteral("/div")))
                continue; // the curves' name labels
            ++scales;
            EXPECT_EQ(r.Font.Size < g->FontGrad.Size, shrinks) << width;
            EXPECT_LE(r.Points[0].y() + MeasureText(r.Font, r.Text).height(), g->Bottom()) << width;
        }
        EXPECT_EQ(scales, 5) << width; // the time base and four channels
    }
}

} // namespace

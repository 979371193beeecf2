// The oscilloscope import from the transfer dialog to the page, against the
// simulated instrument: the page it builds, and every failure leaving the
// page as it was.
#include "data/UData.h"
#include "graphs/TOsc.h"
#include "page/TIsisGraph.h"
#include "scope/TdsImport.h"
#include "support/PageFacts.h"
#include "support/SampleFiles.h"
#include "support/ScopeCsvFiles.h"
#include "support/ScriptedPrompts.h"
#include "support/SimulatedScope.h"
#include <QComboBox>
#include <QTemporaryDir>
#include <QPushButton>
#include <gtest/gtest.h>
#include <tuple>

namespace
{

class TdsImportTest : public ::testing::Test
{
protected:
    // Runs the import with the simulator's port typed in (the system does
    // not list pseudo-terminals); pressTransfer false cancels the dialog.
    bool Import(const TdsSimOptions &options, bool pressTransfer = true)
    {
        simulator = StartSimulator(options);
        prompts.Dialogs.push_back([this, pressTransfer](QDialog &d) {
            d.findChild<QComboBox *>(QStringLiteral("ComboBox1"))->setEditText(PortOf(*simulator));
            if (!pressTransfer)
                return int(QDialog::Rejected);
            d.findChild<QPushButton *>(QStringLiteral("BTransfert"))->click();
            return d.result();
        });
        return ImportTDS(page, {});
    }

    ScriptedPrompts prompts;
    std::unique_ptr<TdsSimulator> simulator;
    TIsisGraph page;
};

} // namespace

TEST_F(TdsImportTest, ChannelsOneAndThreeGiveTimeAndTwoColouredSeriesOnOneScreen)
{
    TdsSimOptions o;
    o.Model = "TDS 224";
    o.Displayed = "13";
    page.FileName = QStringLiteral("ancien.scv");
    ASSERT_TRUE(Import(o));
    ASSERT_EQ(page.GraphCount(), 1);
    EXPECT_NE(dynamic_cast<TOsc *>(page.Graphs(0)), nullptr);
    ASSERT_EQ(page.Datas->Count(), 3);
    EXPECT_EQ(std::pair(page.FileName, page.Datas->Item(0)->Name),
              std::pair(QString(), QStringLiteral("t")));
    const auto *ch1 = dynamic_cast<const TDataOsc *>(page.Datas->Item(1));
    const auto *ch3 = dynamic_cast<const TDataOsc *>(page.Datas->Item(2));
    ASSERT_TRUE(ch1 && ch3);
    EXPECT_EQ(std::pair(ch1->Name, ch1->Color),
              std::pair(QStringLiteral("CH1"), RGBColor(255, 200, 0)));
    EXPECT_EQ(std::tuple(ch3->Name, ch3->Color, ch3->Channel),
              std::tuple(QStringLiteral("CH3"), RGBColor(128, 128, 0), '3'));
    EXPECT_EQ(ch3->GetRaw(2499), std::uint8_t(TdsInstrument::CurveCodes('3', 2500)[2499]));
}

TEST_F(TdsImportTest, EveryFailureLeavesThePageAsItWas)
{
    struct Case {
        const char *displayed;
        TdsFault fault;
        bool press;
        const char *message; // null: none
    };
    const Case cases[] = {
        {"", TdsFault::None, true, "Aucun oscillogramme présent actuellement sur l'oscilloscope"},
        {"12", TdsFault::BadField, true, "'abc' n'est pas une valeur en virgule flottante correcte"},
        {"12", TdsFault::None, false, nullptr},
    };
    for (const Case &c : cases) {
        page.AddGraph();
        page.FileName = QStringLiteral("garde.scv");
        const int graphs = page.GraphCount();
        TdsSimOptions o;
        o.Displayed = c.displayed;
        o.Fault = c.fault;
        prompts.Messages.clear();
        EXPECT_FALSE(Import(o, c.press));
        EXPECT_EQ(std::pair(page.GraphCount(), page.FileName),
                  std::pair(graphs, QStringLiteral("garde.scv")));
        ASSERT_EQ(prompts.Messages.size(), c.message ? 1u : 0u);
        if (c.message) {
            EXPECT_TRUE(prompts.Messages[0].text.contains(QString::fromUtf8(c.message)));
            EXPECT_EQ(prompts.Messages[0].icon == Prompts::Icon::Error, c.fault != TdsFault::None);
        }
        EXPECT_EQ(page.PortName, PortOf(*simulator));
    }
}

// The channel files hold what the simulated instrument sends: the values of
// its codes at 2 V/div (its Y multiplier 0.08), its time base of 4 µs steps
// from -5 ms, and the zero level the files' vertical offset places: at the
// centre, one division above it (+2 V) or three below (-6 V). Both pages are
// drawn alike, zero-level arrows included.
TEST_F(TdsImportTest, ASavedCaptureGivesTheScreenOfATransferOfTheSameWaveforms)
{
    QByteArray centred;
    for (const double offset : {0.0, 2.0, -6.0}) {
        TdsSimOptions o;
        o.Displayed = "12";
        o.YUnit = "V";
        o.YOff = std::to_string(128 + offset / 0.08);
        ASSERT_TRUE(Import(o));
        const QByteArray transferred = PageSvg(page);
        simulator.reset();

        QTemporaryDir dir;
        QString first;
        for (const char source : {'1', '2'}) {
            ScopeCsvChannel c;
            const std::string name = std::string("CH") + source;
            c.Source = name.c_str();
            c.VerticalScale = 2.0;
            c.VerticalOffset = offset;
            c.SampleInterval = 4e-6;
            c.FirstTime = -5e-3;
            c.Values =
                ValuesOfCodes(TdsInstrument::CurveCodes(source, 2500), c.VerticalScale, offset);
            const QString file = WriteSampleFile(
                dir, QStringLiteral("F0007%1.CSV").arg(QString::fromStdString(name)),
                ScopeCsvText(c));
            first = first.isEmpty() ? file : first;
        }
        TIsisGraph saved;
        QString why;
        ASSERT_TRUE(saved.ImportFile(first, &why)) << why.toStdString();
        EXPECT_EQ(PageSvg(saved), transferred) << offset;
        EXPECT_TRUE(transferred.contains("CH1 : 2V/div")) << "the scale labels are drawn";
        if (offset == 0)
            centred = transferred;
        else
            EXPECT_NE(transferred, centred) << "the arrows and the traces move with the offset";
    }
}

// "Importer un fichier": the formats offered, the choice among the
// simulations of one file, failures; and the command line taking any file.
#include "app/FileCommands.h"
#include "app/ImportCommand.h"
#include "app/UIsis2Graph.h"
#include "data/UData.h"
#include "graphs/TAxe.h"
#include "page/TIsisGraph.h"
#include "support/PageFacts.h"
#include "support/RawFiles.h"
#include "support/SampleFiles.h"
#include "support/ScriptedPrompts.h"
#include <QAction>
#include <QListWidget>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace
{

class ImportCommandTest : public ::testing::Test
{
protected:
    ImportCommandTest() { addGraph.setEnabled(false); }

    bool Run(const QString &chosen)
    {
        prompts.FileNames.push_back(chosen);
        return ImportCommand(window, page, addGraph, [this] { ++refreshes; });
    }

    // Answers the choice of a simulation with row, after noting the list.
    void ChooseRow(int row)
    {
        prompts.Dialogs.push_back([this, row](QDialog &d) {
            auto *list = d.findChild<QListWidget *>(QStringLiteral("LBParties"));
            for (int i = 0; i < list->count(); ++i)
                offered << list->item(i)->text();
            selected = list->currentRow();
            if (row < 0)
                return int(QDialog::Rejected);
            list->setCurrentRow(row);
            return int(QDialog::Accepted);
        });
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    QWidget window;
    TIsisGraph page;
    QAction addGraph;
    QStringList offered;
    int selected = -1;
    int refreshes = 0;
};

TEST_F(ImportCommandTest, OffersEveryFormatTogetherThenEachOne)
{
    EXPECT_TRUE(Run(SpiceSample(QStringLiteral("rc-dc-binary.raw"))));
    ASSERT_EQ(prompts.FileDialogs.size(), 1u);
    const QStringList filter = prompts.FileDialogs[0].Filter.split(QLatin1Char('|'));
    EXPECT_EQ(filter.mid(0, 2), QStringList({"Tous les fichiers pris en charge",
                                              "*.raw;*.bin;*.csv;*.dat;*.tsv;*.txt"}));
    EXPECT_TRUE(filter.contains(QStringLiteral("Simulation SPICE")));
    EXPECT_TRUE(filter.contains(QStringLiteral("Graphe Isis")));
    EXPECT_TRUE(filter.contains(QStringLiteral("Tableau de valeurs")));
    EXPECT_EQ(SeriesNames(page), QStringList({"v(v-sweep)", "v(out)", "i(v1)"}));
    EXPECT_EQ(window.windowTitle(), ImportCaption());
    EXPECT_TRUE(addGraph.isEnabled());
    EXPECT_EQ(refreshes, 1);
}

TEST_F(ImportCommandTest, AFileOfSeveralSimulationsAsksWhichOne)
{
    ChooseRow(0);
    EXPECT_TRUE(Run(SpiceSample(QStringLiteral("analyses.raw"))));
    EXPECT_EQ(prompts.ExecutedDialogs, QStringList(QStringLiteral("PartChoiceDlg")));
    ASSERT_EQ(offered.size(), 3);
    EXPECT_TRUE(offered[0].startsWith(QStringLiteral("AC Analysis")));
    EXPECT_EQ(selected, 2); // the transient analysis
    EXPECT_EQ(SeriesNames(page).mid(0, 3), QStringList({"frequency", "gain v(in)", "phase v(in)"}));
    ASSERT_EQ(page.GraphCount(), 2) << "a Bode page";
    EXPECT_TRUE(page.Graphs(0)->LogX && page.Graphs(1)->LogX);

    // Cancelling the choice is no failure: no message, the page stays.
    const TData *kept = page.Datas->Item(1);
    ChooseRow(-1);
    EXPECT_FALSE(Run(SpiceSample(QStringLiteral("analyses.raw"))));
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_EQ(page.Datas->Item(1), kept);
    EXPECT_EQ(refreshes, 2);
}

TEST_F(ImportCommandTest, AFileThatCannotBeReadIsReportedAndChangesNothing)
{
    ASSERT_TRUE(Run(SpiceSample(QStringLiteral("rc-dc-binary.raw"))));
    window.setWindowTitle(QStringLiteral("Scolivet : mesure.scv (/tmp/)"));
    QByteArray damaged = ReadSampleFile(SpiceSample(QStringLiteral("rc-dc-ascii.raw")));
    damaged.replace("No. Variables: 3", "No. Variables: 4");
    EXPECT_FALSE(Run(WriteSampleFile(dir, QStringLiteral("faux.raw"), damaged)));
    EXPECT_EQ(prompts.MessageTexts(),
              QStringList(QStringLiteral("Format de fichier non reconnu\n"
                                         "Ligne 11 : l'en-tête annonce 4 variables et en décrit 3.")));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Scolivet : mesure.scv (/tmp/)"));
    EXPECT_EQ(SeriesNames(page), QStringList({"v(v-sweep)", "v(out)", "i(v1)"}));
}

TEST(CommandLineFile, AnyFormatOpensAsThePageOfTheWindow)
{
    ScriptedPrompts prompts;
    TForm1 form;
    form.OpenCommandLineFile(SpiceSample(QStringLiteral("rc-ac-ascii.raw")));
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_EQ(form.IsisGraph()->Datas->Item(2)->Unit, QStringLiteral("°"));
    const TIsisGraph &page = *form.IsisGraph();
    ASSERT_EQ(page.GraphCount(), 2) << "a Bode page";
    EXPECT_TRUE(page.Graphs(0)->LogX && page.Graphs(1)->LogX);
    EXPECT_EQ(form.windowTitle(), ImportCaption());
    EXPECT_TRUE(form.Actions().AddGraph->isEnabled());
}

} // namespace

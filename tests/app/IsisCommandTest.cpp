// The "Importer depuis Isis" command: dialog, caption, AddGraph, the failure
// message and the view refresh in every case.
#include "app/IsisCommand.h"
#include "page/TIsisGraph.h"
#include "support/SampleFiles.h"
#include "support/ScriptedPrompts.h"
#include <QAction>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace
{

class IsisCommandTest : public ::testing::Test
{
protected:
    IsisCommandTest()
    {
        window.setWindowTitle(QStringLiteral("Scolivet :"));
        addGraph.setEnabled(false);
    }

    QString Write(const QString &name, const QByteArray &bytes)
    {
        return WriteSampleFile(dir, name, bytes);
    }

    bool Run(const QString &chosen)
    {
        prompts.FileNames.push_back(chosen);
        return IsisCommand(window, page, addGraph, [this] { ++refreshes; });
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    QWidget window;
    TIsisGraph page;
    QAction addGraph;
    int refreshes = 0;
};

TEST_F(IsisCommandTest, AnImportSetsTheCaptionEnablesAddGraphAndRefreshes)
{
    const QString file = Write(QStringLiteral("rc.dat"), IsisExportText(2));
    page.FileName = QStringLiteral("ancien.scv");
    EXPECT_TRUE(Run(file));
    ASSERT_EQ(prompts.FileDialogs.size(), 1u);
    EXPECT_EQ(prompts.FileDialogs[0].Filter, QStringLiteral("Graphe Isis (*.dat)|*.dat"));
    EXPECT_EQ(prompts.FileDialogs[0].DefaultExt, QStringLiteral("dat"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Scolivet : [*]"));
    EXPECT_TRUE(addGraph.isEnabled());
    EXPECT_EQ(page.GraphCount(), 1);
    EXPECT_TRUE(page.FileName.isEmpty());
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_EQ(refreshes, 1);
}

TEST_F(IsisCommandTest, AnUnreadableFileIsReportedAndChangesNeitherCaptionNorPage)
{
    ASSERT_TRUE(Run(Write(QStringLiteral("ok.dat"), IsisExportText(2))));
    window.setWindowTitle(QStringLiteral("Scolivet : mesure.scv (/tmp/)"));
    addGraph.setEnabled(false);
    TAxe *graph = page.Graphs(0);

    EXPECT_FALSE(Run(Write(QStringLiteral("bad.dat"), "pas un export\r\n")));
    EXPECT_EQ(prompts.MessageTexts(),
              QStringList{QStringLiteral("Format de fichier non reconnu\n"
                                         "Ligne 2 : le fichier n'a pas de ligne de valeurs.")});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Scolivet : mesure.scv (/tmp/)"));
    EXPECT_FALSE(addGraph.isEnabled());
    EXPECT_EQ(page.Graphs(0), graph);
    EXPECT_EQ(refreshes, 2);
}

TEST_F(IsisCommandTest, ACancelledDialogOnlyRefreshes)
{
    EXPECT_FALSE(Run(QString()));
    EXPECT_TRUE(prompts.Messages.empty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Scolivet :"));
    EXPECT_FALSE(addGraph.isEnabled());
    EXPECT_EQ(page.GraphCount(), 0);
    EXPECT_EQ(refreshes, 1);
}

} // namespace

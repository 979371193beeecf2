// "Exporter MetaFile" and "Copier dans le presse papier", run from the main
// window's actions.
#include "app/UIsis2Graph.h"
#include "page/TIsisGraph.h"
#include "render/PictureClipboard.h"
#include "support/SampleFiles.h"
#include "support/ScriptedPrompts.h"
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

class MetafileCommandsTest : public ::testing::Test
{
protected:
    MetafileCommandsTest()
    {
        prompts.FileNames.push_back(
            WriteSampleFile(dir, QStringLiteral("rc.dat"), IsisExportText(2)));
        form.Actions().Isis->trigger();
        form.setWindowTitle(QStringLiteral("Scolivet : mesure.scv (/tmp/)"));
        form.IsisGraph()->FileName = WriteSampleFile(dir, QStringLiteral("mesure.scv"), "page");
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    TForm1 form;
};

TEST_F(MetafileCommandsTest, WmfWritesThePictureByNameSparesTheDocumentAndLeavesTheCaptionAlone)
{
    const QString wmf = dir.filePath(QStringLiteral("page.WMF"));
    const QString emf = dir.filePath(QStringLiteral("page.emf"));
    const QString document = form.IsisGraph()->FileName;
    prompts.FileNames = {wmf, emf, QString(), dir.filePath(QStringLiteral("absent/p.wmf")),
                         document};
    for (int i = 0; i < 5; ++i)
        form.Actions().WMF->trigger();

    const TFileDialogOptions &asked = prompts.FileDialogs.back();
    EXPECT_EQ(asked.Filter, QStringLiteral("Windows Meta File (*.wmf)|*.wmf"));
    EXPECT_EQ(asked.DefaultExt, QStringLiteral("wmf"));
    EXPECT_FALSE(asked.OverwritePrompt);
    EXPECT_TRUE(ReadSampleFile(wmf).startsWith("\xD7\xCD\xC6\x9A"));
    EXPECT_TRUE(ReadSampleFile(emf).startsWith(QByteArray("\x01\0\0\0", 4)));
    ASSERT_EQ(prompts.Messages.size(), 2u);
    EXPECT_TRUE(prompts.Messages[0].text.startsWith(QStringLiteral("Impossible d'écrire")));
    EXPECT_TRUE(prompts.Messages[1].text.endsWith(QStringLiteral("il serait perdu.")));
    EXPECT_EQ(ReadSampleFile(document), QByteArray("page"));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Scolivet : mesure.scv (/tmp/)"));
    EXPECT_EQ(form.IsisGraph()->FileName, document);
}

TEST_F(MetafileCommandsTest, CopierPutsThePictureOnTheClipboardAtOnce)
{
    QGuiApplication::clipboard()->clear();
    form.Actions().Copier->trigger();
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(EmfClipboardFormats().front()));
}

} // namespace

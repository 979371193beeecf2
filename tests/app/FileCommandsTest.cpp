// The document commands: the question about unsaved changes before a page is
// replaced or the window closed, failures that change nothing, and the file
// named on the command line.
#include "app/FileCommands.h"
#include "app/IsisCommand.h"
#include "app/TdsCommand.h"
#include "app/UIsis2Graph.h"
#include "data/TDatas.h"
#include "page/TIsisGraph.h"
#include "support/SampleFiles.h"
#include "support/ScriptedPrompts.h"
#include <QAction>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace
{

class FileCommandsTest : public ::testing::Test
{
protected:
    FileCommandsTest()
    {
        window.setWindowTitle(QStringLiteral("Scolivet :"));
        addGraph.setEnabled(false);
        other = Document(QStringLiteral("autre.scv"), 3);
        mine = Document(QStringLiteral("mien.scv"), 2);
        EXPECT_EQ(page.ReadDocument(mine), QString());
    }

    // A document of a page imported from an export of `columns` columns.
    QString Document(const QString &name, int columns)
    {
        TIsisGraph imported;
        EXPECT_TRUE(imported.ImportIsis(
            WriteSampleFile(dir, name + QStringLiteral(".dat"), IsisExportText(columns))));
        const QString path = dir.filePath(name);
        EXPECT_EQ(imported.WriteDocument(path), QString());
        return path;
    }

    void Edit()
    {
        page.BackColor = page.BackColor == clRed ? clLime : clRed;
        page.MarkModified(QStringLiteral("modifier la page"));
    }

    bool Load(const QString &chosen)
    {
        prompts.FileNames.push_back(chosen);
        return LoadCommand(window, page, addGraph, [this] { ++refreshes; });
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    QWidget window;
    TIsisGraph page;
    QAction addGraph;
    int refreshes = 0;
    QString mine, other;
};

TEST_F(FileCommandsTest, UnsavedChangesAreSavedDiscardedOrKeptAsAnswered)
{
    struct Case {
        const char *name;
        bool edited;
        QMessageBox::StandardButton answer;
        bool forget; // the page has no file name: Oui asks for one
        bool opened, saved;
    };
    const Case cases[] = {
        {"unmodified", false, QMessageBox::NoButton, false, true, false},
        {"Annuler", true, QMessageBox::Cancel, false, false, false},
        {"Non", true, QMessageBox::No, false, true, false},
        {"Oui", true, QMessageBox::Yes, false, true, true},
        {"Oui, save dialog cancelled", true, QMessageBox::Yes, true, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(page.ReadDocument(mine), QString());
        const QByteArray before = ReadSampleFile(mine);
        prompts.Messages.clear();
        prompts.FileDialogs.clear();
        if (c.edited)
            Edit();
        if (c.forget)
            page.FileName.clear();
        if (c.answer != QMessageBox::NoButton)
            prompts.Answers.push_back(c.answer);
        if (c.forget)
            prompts.FileNames.push_back(QString()); // the save dialog
        if (c.opened || c.saved)
            prompts.FileNames.push_back(other);

        EXPECT_EQ(LoadCommand(window, page, addGraph, [] {}), c.opened);
        EXPECT_EQ(prompts.MessageTexts().contains(QStringLiteral("Enregistrer les modifications ?")),
                  c.edited);
        EXPECT_EQ(page.FileName, c.opened ? other : c.forget ? QString() : mine);
        EXPECT_EQ(page.Modified(), c.edited && !c.opened);
        EXPECT_EQ(ReadSampleFile(mine) != before, c.saved);
        EXPECT_TRUE(prompts.FileNames.empty());
    }
}

TEST_F(FileCommandsTest, ImportsAndClosingAskFirstAndCancellingKeepsThePage)
{
    TForm1 form;
    form.show();
    const std::function<bool()> actions[] = {
        [&] { return IsisCommand(window, page, addGraph, [] {}); },
        [&] { return TdsCommand(window, page, addGraph, [] {}); },
        [&] { return form.close(); },
    };
    Edit();
    form.IsisGraph()->BackColor = clRed;
    form.IsisGraph()->MarkModified(QStringLiteral("modifier la page"));
    const QByteArray before = page.SaveToBytes();
    for (const auto &action : actions) {
        prompts.Answers.push_back(QMessageBox::Cancel);
        EXPECT_FALSE(action());
    }
    EXPECT_EQ(prompts.MessageTexts(),
              QStringList(3, QStringLiteral("Enregistrer les modifications ?")));
    EXPECT_EQ(page.SaveToBytes(), before);
    EXPECT_TRUE(page.Modified());
    EXPECT_TRUE(form.isVisible());

    prompts.Answers.push_back(QMessageBox::No);
    EXPECT_TRUE(form.close());
}

TEST_F(FileCommandsTest, FailuresChangeNeitherPageNorCaptionNorFileName)
{
    window.setWindowTitle(DocumentCaption(mine));
    const QByteArray before = page.SaveToBytes();
    const QString bad = WriteSampleFile(dir, QStringLiteral("bad.scv"),
                                        "Scolivet Version 1.01\r\n[Datas]\r\nNb series=x\r\n");
    EXPECT_FALSE(Load(bad));
    EXPECT_TRUE(addGraph.isEnabled());
    EXPECT_EQ(refreshes, 1);

    prompts.FileNames.push_back(dir.path()); // a folder cannot be written
    EXPECT_FALSE(SaveAsCommand(window, page));

    ASSERT_EQ(prompts.Messages.size(), 3u);
    EXPECT_TRUE(prompts.Messages[0].text.contains(QStringLiteral("'x'")));
    EXPECT_TRUE(prompts.Messages[1].text.startsWith(QStringLiteral("Sauvegarde du fichier :")));
    EXPECT_TRUE(prompts.Messages[2].text.contains(QStringLiteral("c'est un dossier")));
    EXPECT_EQ(page.SaveToBytes(), before);
    EXPECT_EQ(page.FileName, mine);
    EXPECT_EQ(window.windowTitle(), DocumentCaption(mine));
}

TEST_F(FileCommandsTest, TheStartupFileIsOpenedOrImportedByItsContent)
{
    EXPECT_EQ(DocumentCaption(other),
              QStringLiteral("Scolivet : autre.scv[*] (%1/)").arg(dir.path()));
    struct Case {
        QString file, caption;
        bool addGraph; // as after "Ouvrir" for a document, as after an import otherwise
    };
    const Case cases[] = {
        {other, DocumentCaption(other), false},
        {dir.filePath(QStringLiteral("mien.scv.dat")), QStringLiteral("Scolivet : [*]"), true},
    };
    for (const Case &c : cases) {
        OpenStartupFile(window, page, addGraph, [this] { ++refreshes; }, c.file);
        EXPECT_EQ(window.windowTitle(), c.caption);
        EXPECT_EQ(addGraph.isEnabled(), c.addGraph);
        EXPECT_EQ(page.GraphCount(), 1);
    }
    EXPECT_EQ(page.Datas->Count(), 2); // the export of two columns
    EXPECT_EQ(refreshes, 2);
    EXPECT_TRUE(prompts.Messages.empty());
}

} // namespace

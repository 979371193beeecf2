// Files reaching the window without a file dialog: dropped on it, or picked
// among the recent files. They take the menu commands' path, question about
// unsaved changes included.
#include "TestPaths.h"
#include "app/RecentFilesMenu.h"
#include "app/UIsis2Graph.h"
#include "data/SystemFileName.h"
#include "data/UData.h"
#include "graphs/TAxe.h"
#include "graphs/TOsc.h"
#include "page/TIsisGraph.h"
#include "support/PageFacts.h"
#include "support/RawFiles.h"
#include "support/SampleFiles.h"
#include "support/ScriptedPrompts.h"
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QUrl>
#include <gtest/gtest.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// Graphs with a logarithmic X scale: two on the Bode page of an AC analysis.
int LogXGraphs(const TIsisGraph &page)
{
    int count = 0;
    for (int i = 0; i < page.GraphCount(); ++i)
        count += page.Graphs(i)->LogX ? 1 : 0;
    return count;
}

class GivenFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QSettings(QStringLiteral("Scolivet"), QStringLiteral("Scolivet")).clear();
        form = std::make_unique<TForm1>();
        for (const char *name : {"un.scv", "deux.scv"}) {
            TIsisGraph imported;
            ASSERT_TRUE(imported.ImportIsis(WriteSampleFile(dir, "source.dat", IsisExportText(2))));
            documents.append(dir.filePath(name));
            ASSERT_EQ(imported.WriteDocument(documents.back()), QString());
        }
        graphExport = WriteSampleFile(dir, "mesure.dat", IsisExportText(3));
    }

    TRecentFilesMenu &Recent() const
    {
        return *form->findChild<TRecentFilesMenu *>(QStringLiteral("FichiersRecents"));
    }

    // Drops the files; returns whether the window took the drag.
    bool Drop(const QStringList &files)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &file : files)
            urls.append(QUrl::fromLocalFile(file));
        data.setUrls(urls);
        return DropData(data);
    }
    bool DropData(const QMimeData &data)
    {
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(form.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(form.get(), &drop);
        return true;
    }

    QTemporaryDir dir;
    ScriptedPrompts prompts;
    std::unique_ptr<TForm1> form;
    QStringList documents;
    QString graphExport;
};

TEST_F(GivenFileTest, DroppedFilesOpenOrImportAfterTheQuestionAboutChanges)
{
    struct Case {
        QString file;
        QMessageBox::StandardButton answer; // NoButton: the page was not modified
        QString fileName;                   // the page's document afterwards
        QString caption;
        int logGraphs = 0; // graphs on a logarithmic frequency scale: a Bode page has two
    };
    const Case cases[] = {
        {documents[0], QMessageBox::NoButton, documents[0], QStringLiteral("Scolivet : un.scv")},
        {documents[1], QMessageBox::Cancel, documents[0], QStringLiteral("Scolivet : un.scv")},
        {documents[1], QMessageBox::No, documents[1], QStringLiteral("Scolivet : deux.scv")},
        {graphExport, QMessageBox::No, QString(), QStringLiteral("Scolivet : ")},
        {SpiceSample(QStringLiteral("rc-tran-binary.raw")), QMessageBox::No, QString(),
         QStringLiteral("Scolivet : ")},
        {SpiceSample(QStringLiteral("rc-ac-binary.raw")), QMessageBox::No, QString(),
         QStringLiteral("Scolivet : "), 2},
        // The imported page is saved under a new name first.
        {documents[0], QMessageBox::Yes, documents[0], QStringLiteral("Scolivet : un.scv")},
    };
    prompts.FileNames.push_back(dir.filePath(QStringLiteral("trois.scv")));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        if (c.answer != QMessageBox::NoButton) {
            TIsisGraph &page = *form->IsisGraph();
            page.BackColor = page.BackColor == clRed ? clBlue : clRed;
            page.MarkModified(QStringLiteral("modifier la page"));
            prompts.Answers.push_back(c.answer);
        }
        prompts.Messages.clear();
        EXPECT_TRUE(Drop({c.file, documents[1]}));
        EXPECT_EQ(prompts.MessageTexts().mid(0, 1), c.answer == QMessageBox::NoButton
                                              ? QStringList()
                                              : QStringList("Enregistrer les modifications ?"));
        EXPECT_EQ(form->IsisGraph()->FileName, c.fileName);
        EXPECT_TRUE(form->windowTitle().startsWith(c.caption)) << form->windowTitle().toStdString();
        EXPECT_TRUE(form->Actions().AddGraph->isEnabled());
        EXPECT_EQ(LogXGraphs(*form->IsisGraph()), c.logGraphs);
    }
    EXPECT_EQ(Recent().Files(),
              QStringList({documents[0], dir.filePath(QStringLiteral("trois.scv")), documents[1]}));
    EXPECT_FALSE(Drop({}));
}

// Each importable format reaches the page by a drop as by the menu: an
// ngspice DC sweep, a transient in the wide layout (built from its published
// layout), a French spreadsheet's table (Windows-1252), a table saved as
// UTF-16, quoted names over tab-separated cells in a .dat file, and one
// channel file of a capture, which brings the other channel of its
// acquisition onto one screen.
TEST_F(GivenFileTest, EveryImportableFormatOpensByDrop)
{
    TRawLayout wide;
    wide.Variables = {"time time", "V(out) voltage"};
    wide.Points = 2;
    for (const auto &[t, v] : {std::pair{0.0, 0.5f}, {-1e-3, 1.25f}}) {
        AppendDouble(wide.Values, t);
        AppendFloat(wide.Values, v);
    }
    const QString data = QStringLiteral(SCOLIVET_SOURCE_DIR "/tests/data/");
    const struct {
        QString file;
        QStringList names;
        bool screen;
    } cases[] = {
        {SpiceSample(QStringLiteral("rc-dc-binary.raw")), {"v(v-sweep)", "v(out)", "i(v1)"}, false},
        {WriteSampleFile(dir, "filtre.raw", RawFile(wide)), {"time", "V(out)"}, false},
        {data + QStringLiteral("tables/charge-rc.csv"),
         {"Temps", "Tension", QString::fromUtf8("Intensité")}, false},
        {WriteSampleFile(dir, "unicode.txt",
                         "\xFF\xFE" + Utf16(QStringLiteral("t\tU\r\n0\t1,5\r\n"))),
         {"t", "U"},
         false},
        {WriteSampleFile(dir, "mesure2.dat", "\"t\",\"U\"\n0\t1\n1\t2\n"), {"t", "U"}, false},
        {data + QStringLiteral("scope/F0001CH2.CSV"), {"t", "CH1", "CH2"}, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        prompts.Messages.clear();
        EXPECT_TRUE(Drop({c.file}));
        EXPECT_EQ(prompts.MessageTexts(), QStringList());
        const TIsisGraph &page = *form->IsisGraph();
        EXPECT_EQ(SeriesNames(page), c.names);
        ASSERT_EQ(page.GraphCount(), 1);
        EXPECT_EQ(dynamic_cast<const TOsc *>(page.Graphs(0)) != nullptr, c.screen);
    }
}

TEST_F(GivenFileTest, RecentFilesOpenAndThoseGoneAreTakenOutWithAMessage)
{
    EXPECT_FALSE(Recent().isEnabled());
    form->OpenCommandLineFile(documents[0]);
    EXPECT_TRUE(form->Actions().AddGraph->isEnabled());
    Recent().Add(documents[1]);
    ASSERT_EQ(Recent().actions().size(), 2);
    EXPECT_EQ(Recent().actions()[0]->text(), QStringLiteral("&1 ") + documents[1]);

    Recent().actions()[1]->trigger();
    EXPECT_EQ(form->IsisGraph()->FileName, documents[0]);
    EXPECT_EQ(Recent().Files(), QStringList({documents[0], documents[1]}));

    ASSERT_TRUE(QFile::remove(documents[1]));
    Recent().actions()[1]->trigger();
    EXPECT_EQ(prompts.MessageTexts(),
              QStringList("Fichier introuvable, retiré des fichiers récents :\n" + documents[1]));
    EXPECT_EQ(Recent().Files(), QStringList(documents[0]));
    EXPECT_EQ(Recent().actions().size(), 1);
    EXPECT_EQ(form->IsisGraph()->FileName, documents[0]);
}

// A document named in Windows-1252 (from an old archive): its name's bytes
// are not UTF-8.
TEST_F(GivenFileTest, NamesThatAreNotUtf8OpenFromADropAndFromTheRecentFilesOfALaterSession)
{
    const QByteArray bytes = QFile::encodeName(dir.path()) + "/caf\xE9.scv";
    ASSERT_EQ(::link(QFile::encodeName(documents[1]).constData(), bytes.constData()), 0);
    const QString name = FileNameFromSystem(bytes);
    QMimeData data; // as a file manager gives it
    data.setData(QStringLiteral("text/uri-list"),
                 "file://" + bytes.toPercentEncoding("/") + "\r\n");
    EXPECT_TRUE(DropData(data));
    EXPECT_EQ(form->IsisGraph()->FileName, name);
    EXPECT_TRUE(Drop({documents[0]}));

    // A later session reads the recent files from the disk.
    const QString settings =
        QSettings(QStringLiteral("Scolivet"), QStringLiteral("Scolivet")).fileName();
    QFile file(settings);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("\n");
    file.close();
    form = std::make_unique<TForm1>();
    ASSERT_EQ(Recent().Files(), QStringList({documents[0], name}));
    Recent().actions()[1]->trigger();
    EXPECT_EQ(form->IsisGraph()->FileName, name);
    EXPECT_EQ(prompts.MessageTexts(), QStringList());
}

TEST_F(GivenFileTest, ARelativeNameInAFolderNamedInAnotherEncodingIsRememberedWhole)
{
    const QByteArray folder = QFile::encodeName(dir.path()) + "/archives \xE9t\xE9";
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    ASSERT_EQ(::link(QFile::encodeName(documents[0]).constData(), (folder + "/un.scv").constData()),
              0);
    const QByteArray here = QFile::encodeName(QDir::currentPath());
    ASSERT_EQ(::chdir(folder.constData()), 0);
    form->OpenCommandLineFile(QStringLiteral("un.scv"));
    ASSERT_EQ(::chdir(here.constData()), 0);
    EXPECT_EQ(Recent().Files(), QStringList(FileNameFromSystem(folder + "/un.scv")));
}

} // namespace

// The page view's import of a simulator export: the page it builds, and a
// failed import leaving the page exactly as it was.
#include "annotations/TTexte.h"
#include "data/UData.h"
#include "graphs/TCourbe.h"
#include "graphs/TMath.h"
#include "page/TIsisGraph.h"
#include "render/PagePicture.h"
#include "support/RawFiles.h"
#include "support/SampleFiles.h"
#include <QRect>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

class IsisImportTest : public ::testing::Test
{
protected:
    IsisImportTest() { page.resize(1007, 707); }

    QString Export(int columns, int rows = 3)
    {
        return Write(QStringLiteral("export%1.dat").arg(columns), IsisExportText(columns, rows));
    }

    QString Write(const QString &name, const QByteArray &bytes)
    {
        return WriteSampleFile(dir, name, bytes);
    }

    static std::vector<int> CurveSeries(const TAxe &g)
    {
        std::vector<int> out;
        for (TSmallGraph *e : g.Elements())
            if (auto *c = dynamic_cast<TCourbe *>(e))
                out.push_back(c->SerieIndex);
        return out;
    }

    QTemporaryDir dir;
    TIsisGraph page;
};

TEST_F(IsisImportTest, BuildsOneXYGraphOfEveryColumnAgainstTheFirstOnA2000By1500Page)
{
    page.FileName = QStringLiteral("ancien.scv");
    page.AddGraph();
    page.AddGraph();
    page.SetZoom(3);
    ASSERT_TRUE(page.Modified());
    ASSERT_TRUE(page.ImportIsis(Export(3)));

    ASSERT_EQ(page.GraphCount(), 1);
    auto *g = dynamic_cast<TMath *>(page.Graphs(0));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(std::tuple(g->AxeX(), CurveSeries(*g), page.FileName, page.Modified(), page.Zoom()),
              std::tuple(0, std::vector<int>{1, 2}, QString(), false, 1));
    EXPECT_EQ(QRect(0, g->Top, g->Width(), page.MFHeight()), QRect(0, 0, 2000, 1500));
    EXPECT_FALSE(page.Metafile().IsEmpty());
}

TEST_F(IsisImportTest, ClearsTheSelectionFirstAndReportsNoSelectedElement)
{
    ASSERT_TRUE(page.ImportIsis(Export(2)));
    auto *t = page.Graphs(0)->AddElement(std::make_unique<TTexte>(page.Graphs(0)));
    t->Texte = QStringLiteral("note");
    page.SetSelected(t);

    std::vector<TDessin *> reported;
    QObject::connect(&page, &TIsisGraph::SelectedChange,
                     [&](TIsisGraph *, TDessin *p) { reported.push_back(p); });
    ASSERT_TRUE(page.ImportIsis(Export(3)));
    EXPECT_EQ(reported, (std::vector<TDessin *>{nullptr}));
    EXPECT_EQ(page.Selected(), nullptr);
}

TEST_F(IsisImportTest, AFailedImportLeavesThePageItsSeriesSelectionAndFileNameAsTheyWere)
{
    ASSERT_TRUE(page.ImportIsis(Export(3)));
    TAxe *graph = page.Graphs(0);
    auto *t = graph->AddElement(std::make_unique<TTexte>(graph));
    t->Texte = QStringLiteral("note");
    page.SetSelected(t);
    page.FileName = QStringLiteral("mesures.scv");
    page.SetZoom(2);
    page.MarkModified(QStringLiteral("modifier la page"));
    const int elements = graph->ElementCount();
    const TData *series1 = page.Datas->Item(1);

    const QString bad[] = {
        Write(QStringLiteral("texte.dat"), "\"A\",\"B\"\r\n1.0,abc\r\n"), // not a number
        dir.filePath(QStringLiteral("absent.dat")),                       // missing
    };
    int selectionEvents = 0;
    QObject::connect(&page, &TIsisGraph::SelectedChange, [&] { ++selectionEvents; });
    for (const QString &file : bad) {
        EXPECT_FALSE(page.ImportIsis(file)) << file.toStdString();
        ASSERT_EQ(page.GraphCount(), 1);
        EXPECT_EQ(std::tuple(page.Graphs(0), graph->ElementCount(), page.Datas->Count(),
                             page.Datas->Item(1), series1->Name, page.Selected()),
                  std::tuple(graph, elements, 3, series1, QStringLiteral("C1"), t));
        EXPECT_EQ(std::tuple(selectionEvents, page.FileName, page.Modified(), page.Zoom()),
                  std::tuple(0, QStringLiteral("mesures.scv"), true, 2));
    }
}

// Any file the sniffer knows gives the same kind of page; failures, a
// cancelled choice among a file's simulations included, change nothing.
TEST_F(IsisImportTest, AnyKnownFileBuildsItsPageAndAFailureChangesNothing)
{
    ASSERT_TRUE(page.ImportFile(Export(3)));
    EXPECT_EQ(CurveSeries(*page.Graphs(0)), (std::vector<int>{1, 2}));
    ASSERT_TRUE(page.ImportFile(SpiceSample(QStringLiteral("rc-tran-binary.raw"))));
    ASSERT_EQ(page.GraphCount(), 1);
    auto *g = dynamic_cast<TMath *>(page.Graphs(0));
    ASSERT_NE(g, nullptr);
    EXPECT_EQ(std::tuple(g->AxeX(), CurveSeries(*g), page.Datas->Item(2)->Name,
                         page.Datas->Item(2)->Unit, page.MFWidth(), page.MFHeight()),
                  std::tuple(0, std::vector<int>{1, 2, 3}, QStringLiteral("v(out)"),
                             QStringLiteral("V"), 2000, 1500));

    TAxe *graph = page.Graphs(0);
    page.FileName = QStringLiteral("mesures.scv");
    page.BackColor = clYellow;
    page.MarkModified(QStringLiteral("modifier la page"));
    QByteArray cut = ReadSampleFile(SpiceSample(QStringLiteral("rc-dc-binary.raw")));
    cut.chop(7);
    struct Case {
        QString file;
        QString why;
    };
    const Case cases[] = {
        {Write(QStringLiteral("cut.raw"), cut), QStringLiteral("Format de fichier non reconnu\nOctet ")},
        {Write(QStringLiteral("rien.raw"), "rien\n"),
         QStringLiteral("Format de fichier non reconnu\nLe fichier n'est d'aucun des formats pris "
                        "en charge (")},
        {Write(QStringLiteral("vide.csv"), ""),
         QStringLiteral("Format de fichier non reconnu\nLe fichier est vide.")},
        {dir.filePath(QStringLiteral("absent.raw")),
         QStringLiteral("Format de fichier non reconnu\nImpossible de lire le fichier")},
        {SpiceSample(QStringLiteral("analyses.raw")), QString()},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        QString why = QStringLiteral("avant");
        EXPECT_FALSE(page.ImportFile(c.file, &why, [](const QStringList &, int) { return -1; }));
        EXPECT_TRUE(c.why.isEmpty() ? why.isEmpty() : why.startsWith(c.why)) << why.toStdString();
        EXPECT_EQ(std::tuple(page.GraphCount(), page.Graphs(0), page.Datas->Count(),
                             page.FileName, page.Modified()),
                  std::tuple(1, graph, 4, QStringLiteral("mesures.scv"), true));
    }
}

} // namespace

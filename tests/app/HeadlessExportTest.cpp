#include "app/HeadlessExport.h"
#include "page/TIsisGraph.h"
#include "render/PageExport.h"
#include "render/PagePicture.h"
#include "support/SampleFiles.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

// What the editor writes for the same input: read into a page that keeps
// its history and draws at every change.
QByteArray EditorOutput(const QTemporaryDir &dir, const QString &input, const QString &name)
{
    TIsisGraph page;
    const bool read = TIsisGraph::IsDocumentFile(input) ? page.ReadDocument(input).isEmpty()
                                                        : page.ImportFile(input);
    EXPECT_TRUE(read) << input.toStdString();
    const QString out = dir.filePath(QStringLiteral("editor-") + name);
    const QString error = name.endsWith(QStringLiteral(".scv"))
                              ? page.WriteDocument(out)
                              : ExportPagePicture(page.Metafile(), out, page.BackColor);
    EXPECT_EQ(error, QString());
    return ReadSampleFile(out);
}

// A conversion reads its input without drawing it or keeping a copy of it
// for undo: a document is written without any picture, a picture drawn
// once. Both are what the editor writes: the texts keep the sizes drawing
// measures (an import's legends have none until measured).
TEST(HeadlessExportTest, AConversionDrawsThePageOnlyForAPictureAndOnce)
{
    QTemporaryDir dir;
    const QString import = WriteSampleFile(dir, QStringLiteral("in.dat"), IsisExportText(3, 40));
    const QString document = dir.filePath(QStringLiteral("in.scv"));
    {
        TIsisGraph page;
        ASSERT_TRUE(page.ImportFile(import));
        ASSERT_EQ(page.WriteDocument(document), QString());
    }
    struct Case {
        QString Input;
        QString Output;
        int Drawings;
    };
    for (const Case &c :
         {Case{import, QStringLiteral("a.scv"), 0}, Case{document, QStringLiteral("b.scv"), 0},
          Case{import, QStringLiteral("c.svg"), 1}, Case{document, QStringLiteral("d.emf"), 1}}) {
        TIsisGraph page;
        page.SetConversion(true);
        int drawings = 0;
        QObject::connect(&page, &TIsisGraph::PageChanged, [&drawings] { ++drawings; });
        const QString out = dir.filePath(c.Output);
        ASSERT_EQ(ConvertFile(page, c.Input, out), QString()) << c.Output.toStdString();
        EXPECT_EQ(drawings, c.Drawings) << c.Output.toStdString();
        EXPECT_EQ(page.Metafile().IsEmpty(), c.Drawings == 0) << c.Output.toStdString();
        EXPECT_FALSE(page.History().CanUndo());
        EXPECT_EQ(ReadSampleFile(out), EditorOutput(dir, c.Input, c.Output))
            << c.Output.toStdString();
    }
}

} // namespace

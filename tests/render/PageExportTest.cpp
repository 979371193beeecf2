#include "render/PageExport.h"
#include "render/PageFont.h"
#include "render/RecordingCanvas.h"
#include "render/TextPieces.h"
#include "support/SampleFiles.h"
#include "support/WriteFailures.h"
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <limits>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace
{

class PageExportTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    PagePicture picture{300, 200};
    RecordingCanvas canvas{picture};

    QString path(const QString &name) const { return dir.filePath(name); }
};

// Whole pages written as SVG are compared with reference files by the graph
// tests; here the texts XML would refuse and an underline.
TEST_F(PageExportTest, SvgTextsAreValidXml)
{
    canvas.Font.Size = 12;
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.TextOut(10, 70, QStringLiteral("V\x01(N\x1F") + QChar(0xFFFF) + QStringLiteral(")"));
    canvas.Font.Underline = true;
    canvas.TextOut(10, 40, QStringLiteral("2,5 µs"));
    ASSERT_EQ(ExportPagePicture(picture, path(QStringLiteral("page.svg"))), QString());

    const QString svg = QString::fromUtf8(ReadSampleFile(path(QStringLiteral("page.svg"))));
    // Characters XML forbids are replaced, so that XML parsers read the file.
    EXPECT_TRUE(svg.contains(QStringLiteral(">V\uFFFD(N\uFFFD\uFFFD)</text>")));
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        xml.readNext();
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    // The underline survives as a band, the one rectangle besides the page.
    EXPECT_EQ(svg.count(QStringLiteral("<rect")), 2);
    // Drawn in passes of a record or two, as a large page is, the file is
    // the same, replaced characters and generic families included.
    for (const int records : {1, 2}) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        ASSERT_TRUE(WritePageSvg(out, picture, clWhite, records));
        EXPECT_EQ(QString::fromUtf8(out.data()), svg) << records << " records per pass";
    }
}

// Records that draw nothing (empty boxes, empty texts) may fill whole passes.
TEST_F(PageExportTest, SvgPassesThatDrawNothingLeaveTheFileAsItIs)
{
    canvas.Rectangle(5, 5, 50, 50);
    for (int i = 0; i < 6; ++i) {
        canvas.Pen.Color = i % 2 ? clRed : clBlue;
        canvas.Brush = TBrush{i % 2 ? clGreen : clBlack, TBrushStyle::bsSolid};
        canvas.Rectangle(60, 60, 60, 60);
        canvas.TextOut(70, 70, QString());
    }
    canvas.Ellipse(100, 100, 150, 120);
    QByteArray whole;
    for (const int records : {std::numeric_limits<int>::max(), 1, 2, 3}) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        ASSERT_TRUE(WritePageSvg(out, picture, clWhite, records)) << records;
        if (whole.isEmpty())
            whole = out.data();
        EXPECT_EQ(out.data(), whole) << records << " records per pass";
    }
}

TEST_F(PageExportTest, SvgDrawsConnectedLinesAsOnePolyline)
{
    canvas.MoveTo(0, 0);
    for (int i = 1; i <= 5000; ++i)
        canvas.LineTo(i % 300, (i * 7) % 200);
    ASSERT_EQ(ExportPagePicture(picture, path(QStringLiteral("long.SVG"))), QString());
    const QByteArray svg = ReadSampleFile(path(QStringLiteral("long.SVG")));
    EXPECT_EQ(svg.count("<polyline"), 1);
    EXPECT_LT(svg.size(), 5000 * 12);
}

// A long text is drawn in pieces, each where the one before ends: every
// character once, in order, on one baseline, up to the first piece that
// reaches past the page's right edge.
TEST_F(PageExportTest, ALongTextIsDrawnInPiecesUpToThePageEdge)
{
    QString text;
    for (int i = 0; text.size() < 20000; ++i)
        text += QStringLiteral("mesure%1 ").arg(i);
    TFont font;
    font.Size = 12;
    const QFontMetricsF metrics(PageFont(font));
    for (const int width : {300, 1000000}) {
        PagePicture page(width, 100);
        RecordingCanvas c(page);
        c.Font = font;
        c.Brush.Style = TBrushStyle::bsClear;
        c.TextOut(10, 40, text);
        const QString name = path(QStringLiteral("text%1.svg").arg(width));
        ASSERT_EQ(ExportPagePicture(page, name), QString());

        QString drawn;
        QString previous;
        double previousX = 0;
        QString baseline;
        QXmlStreamReader xml(QString::fromUtf8(ReadSampleFile(name)));
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement ||
                xml.name() != QLatin1String("text"))
                continue;
            const double x = xml.attributes().value(QLatin1String("x")).toDouble();
            const QString y = xml.attributes().value(QLatin1String("y")).toString();
            if (previous.isEmpty())
                baseline = y;
            else
                EXPECT_NEAR(x - previousX, metrics.horizontalAdvance(previous), 1.0);
            EXPECT_EQ(y, baseline);
            previous = xml.readElementText();
            previousX = x;
            drawn += previous;
        }
        EXPECT_TRUE(text.startsWith(drawn)) << width;
        if (width == 300) {
            EXPECT_LE(drawn.size(), WholeTextLength);
            EXPECT_GE(metrics.horizontalAdvance(drawn), 300);
        } else {
            EXPECT_EQ(drawn, text);
        }
    }
}

TEST_F(PageExportTest, PngIsOnePixelPerUnitOnTheBackground)
{
    canvas.Brush = TBrush{clRed, TBrushStyle::bsSolid};
    canvas.Rectangle(100, 50, 200, 150);
    ASSERT_EQ(ExportPagePicture(picture, path(QStringLiteral("page.png"))), QString());
    QImage image(path(QStringLiteral("page.png")));
    ASSERT_EQ(image.size(), QSize(300, 200));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(150, 100), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(100, 50), qRgb(0, 0, 0));

    ASSERT_EQ(ExportPagePicture(picture, path(QStringLiteral("grey.png")), clSilver), QString());
    EXPECT_EQ(QImage(path(QStringLiteral("grey.png"))).pixel(0, 0), qRgb(192, 192, 192));
}

TEST_F(PageExportTest, PdfIsOnePageOfThePictureSizeWithItsTexts)
{
    canvas.TextOut(10, 10, QStringLiteral("Tension"));
    ASSERT_EQ(ExportPagePicture(picture, path(QStringLiteral("page.PDF"))), QString());
    const QByteArray pdf = ReadSampleFile(path(QStringLiteral("page.PDF")));
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    // 300 x 200 units at 96 per inch are 225 x 150 points.
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 225.000000 150.000000]"));
    EXPECT_EQ(pdf.count("/Type /Page\n"), 1);
    EXPECT_TRUE(pdf.contains("/FontFile2"));
}

TEST_F(PageExportTest, MetafileNamesEndingInWmfGetThePlaceableFormatAllOthersEmf)
{
    canvas.Rectangle(10, 10, 50, 50);
    const struct {
        const char *name;
        bool wmf;
    } cases[] = {{"b.WMF", true}, {"e.txt", false}, {"f.wmf.emf", false}, {"wmf", false}};
    for (const auto &c : cases) {
        const QString file = path(QString::fromLatin1(c.name));
        ASSERT_EQ(ExportMetafile(picture, file), QString()) << c.name;
        const QByteArray head = ReadSampleFile(file).left(4);
        EXPECT_EQ(head, c.wmf ? QByteArray("\xD7\xCD\xC6\x9A") : QByteArray("\x01\0\0\0", 4))
            << c.name;
    }
}

TEST_F(PageExportTest, FailuresAreReportedInFrenchAndLeaveFilesAlone)
{
    const QString existing = WriteSampleFile(dir, QStringLiteral("keep.doc"), "original");
    const QString unknown = ExportPagePicture(picture, existing);
    EXPECT_TRUE(unknown.startsWith(QStringLiteral("Format d'exportation non reconnu")));
    EXPECT_TRUE(unknown.contains(QStringLiteral("keep.doc")));
    EXPECT_EQ(ReadSampleFile(existing), QByteArray("original"));

    EXPECT_TRUE(ExportPagePicture(picture, path(QStringLiteral("sans extension")))
                    .startsWith(QStringLiteral("Format d'exportation non reconnu")));

    const QString missingDir = path(QStringLiteral("absent/page.svg"));
    EXPECT_TRUE(ExportPagePicture(picture, missingDir)
                    .startsWith(QStringLiteral("Impossible d'écrire le fichier")));
    EXPECT_FALSE(QFile::exists(missingDir));

    picture.Reset(0, 200);
    EXPECT_EQ(ExportPagePicture(picture, path(QStringLiteral("empty.png"))),
              QStringLiteral("La page est vide : rien à exporter."));
    picture.Reset(100000, 100000);
    EXPECT_TRUE(ExportPagePicture(picture, path(QStringLiteral("huge.png")))
                    .contains(QStringLiteral("trop grande")));
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("huge.png"))));
}

// Every writer, each way a write can fail: the reason says why and the
// target keeps its old content.
TEST_F(PageExportTest, AFailedWriteSaysWhyAndLeavesTheTargetAsItWas)
{
    canvas.Brush = TBrush{clRed, TBrushStyle::bsSolid};
    canvas.Rectangle(10, 10, 290, 190);
    canvas.TextOut(20, 20, QStringLiteral("Tension"));
    for (const char *name : {"page.svg", "page.png", "page.pdf", "page.emf", "page.wmf"}) {
        const QString target = WriteSampleFile(dir, QString::fromLatin1(name), "ancien");
        {
            FileSizeLimit fullDisk(64);
            EXPECT_TRUE(ExportPagePicture(picture, target)
                            .endsWith(QStringLiteral("le fichier dépasse la taille permise.")))
                << name;
        }
        {
            UnwritableFolder readOnly(dir.path());
            if (readOnly.Active()) {
                EXPECT_TRUE(ExportPagePicture(picture, target)
                                .endsWith(QStringLiteral("l'accès est refusé.")))
                    << name;
            }
        }
        EXPECT_EQ(ReadSampleFile(target), QByteArray("ancien")) << name;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << name;
        ASSERT_TRUE(QFile::remove(target));
    }
}

// An output that is the input under another name, or that is no plain file,
// is refused without touching it (nor blocking on a pipe).
TEST_F(PageExportTest, TheInputAndSpecialFilesAreNeverOverwritten)
{
    const QString input = WriteSampleFile(dir, QStringLiteral("rc.svg"), "données");
    ASSERT_TRUE(QFile::link(input, path(QStringLiteral("lien.svg"))));
    ASSERT_EQ(::link(QFile::encodeName(input).constData(),
                     QFile::encodeName(path(QStringLiteral("dur.svg"))).constData()),
              0);
    ASSERT_EQ(mkfifo(QFile::encodeName(path(QStringLiteral("tube.svg"))).constData(), 0600), 0);
    for (const QString &name : {QStringLiteral("rc.svg"), QStringLiteral("./rc.svg"),
                                QStringLiteral("lien.svg"), QStringLiteral("dur.svg")})
        EXPECT_TRUE(ExportPagePicture(picture, path(name), clWhite, {input})
                        .endsWith(QStringLiteral("c'est le fichier lu, il serait perdu.")))
            << name.toStdString();
    EXPECT_EQ(ReadSampleFile(input), QByteArray("données"));
    EXPECT_TRUE(ExportPagePicture(picture, path(QStringLiteral("tube.svg")))
                    .endsWith(QStringLiteral("ce n'est pas un fichier ordinaire.")));
    EXPECT_EQ(ExportPagePicture(picture, path(QStringLiteral("autre.svg")), clWhite, {input}),
              QString());
}

} // namespace

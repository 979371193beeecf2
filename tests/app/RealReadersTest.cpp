// What real readers make of the pictures the program writes: an office suite
// draws the EMF and the WMF as the page looks, a metafile converter reads the
// WMF with its texts, and a PDF text extractor finds the page's texts.
#include "support/Processes.h"
#include "support/SampleFiles.h"
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <gtest/gtest.h>
#include <vector>

namespace
{

const QByteArray RcExport = "\"Time\",\"V(OUT)\",\"I(R1)\"\r\n"
                            "0.000000E+00,0.000000E+00,1.000000E-03\r\n"
                            "5.000000E-04,2.500000E+00,5.000000E-04\r\n"
                            "1.000000E-03,5.000000E+00,0.000000E+00\r\n";

// Where a picture's dark marks (axes, curves, texts; not the light grid) lie,
// on a coarse grid spanning their bounding box, so that pictures drawn at
// different scales and on different canvases compare.
struct InkMap {
    static constexpr int Columns = 200, Rows = 150;
    std::vector<bool> cells = std::vector<bool>(Columns * Rows);
    double aspect = 0; // width / height of the marks' bounding box

    bool At(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < Columns && y < Rows && cells[y * Columns + x];
    }
    bool Near(int x, int y) const
    {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (At(x + dx, y + dy))
                    return true;
        return false;
    }
};

bool IsInk(QRgb p)
{
    return std::min({qRed(p), qGreen(p), qBlue(p)}) < 128;
}

InkMap MapInk(const QImage &picture)
{
    QImage page(picture.size(), QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter(&page).drawImage(0, 0, picture);
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (IsInk(page.pixel(x, y)))
                box |= QRect(x, y, 1, 1);
    InkMap map;
    if (box.isEmpty())
        return map;
    map.aspect = double(box.width()) / box.height();
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (IsInk(page.pixel(x, y)))
                map.cells[(y - box.top()) * InkMap::Rows / box.height() * InkMap::Columns +
                          (x - box.left()) * InkMap::Columns / box.width()] = true;
    return map;
}

// The share of a's marks that b has at the same place, give or take a cell.
double SharedInk(const InkMap &a, const InkMap &b)
{
    int marks = 0, shared = 0;
    for (int y = 0; y < InkMap::Rows; ++y)
        for (int x = 0; x < InkMap::Columns; ++x)
            if (a.At(x, y)) {
                ++marks;
                shared += b.Near(x, y);
            }
    return marks ? double(shared) / marks : 0;
}

class RealReadersTest : public ::testing::Test
{
protected:
    RealReadersTest() { input = WriteSampleFile(dir, QStringLiteral("rc.dat"), RcExport); }

    QString Export(const QString &name)
    {
        const QString path = dir.filePath(name);
        const ProcessRun run = RunProcess(ScolivetProgram(), {"--export", path, input});
        EXPECT_EQ(run.status, 0) << run.errors.toStdString();
        return path;
    }

    static QString Tool(const char *name)
    {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        EXPECT_FALSE(path.isEmpty()) << name << " is missing: run scripts/setup";
        return path;
    }

    QTemporaryDir dir;
    QString input;
};

TEST_F(RealReadersTest, OfficeSuiteDrawsBothMetafilesAsThePageLooks)
{
    const InkMap page = MapInk(QImage(Export(QStringLiteral("page.png"))));
    const QStringList pictures = {Export(QStringLiteral("page-emf.emf")),
                                  Export(QStringLiteral("page-wmf.wmf"))};
    const QString out = dir.filePath(QStringLiteral("converted"));
    const QString profile = QUrl::fromLocalFile(dir.filePath(QStringLiteral("profile"))).toString();
    const ProcessRun run =
        RunProcess(Tool("soffice"),
                   QStringList{"-env:UserInstallation=" + profile, "--headless", "--convert-to",
                               "png", "--outdir", out} +
                       pictures,
                   100000);
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    for (const char *name : {"page-emf.png", "page-wmf.png"}) {
        const QImage converted(QDir(out).filePath(QString::fromLatin1(name)));
        ASSERT_FALSE(converted.isNull()) << name << ": " << run.out.toStdString();
        const InkMap drawn = MapInk(converted);
        EXPECT_NEAR(drawn.aspect, page.aspect, 0.02 * page.aspect) << name;
        EXPECT_GT(SharedInk(page, drawn), 0.95) << name << ": marks of the page missing";
        EXPECT_GT(SharedInk(drawn, page), 0.95) << name << ": marks the page does not have";
    }
}

TEST_F(RealReadersTest, MetafileConverterReadsTheWmfWithItsTexts)
{
    const QString svg = dir.filePath(QStringLiteral("page.svg"));
    const ProcessRun run =
        RunProcess(Tool("wmf2svg"), {"-o", svg, Export(QStringLiteral("page.wmf"))});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    const QByteArray content = ReadSampleFile(svg);
    EXPECT_EQ(content.count("<text"), 23); // two names, an axis name, 20 graduations
    for (const char *text : {">V(OUT)<", ">I(R1)<", ">Time<", ">1,0m<"})
        EXPECT_TRUE(content.contains(text)) << text;
}

TEST_F(RealReadersTest, PdfKeepsTheTextsAsText)
{
    const ProcessRun run =
        RunProcess(Tool("pdftotext"), {Export(QStringLiteral("page.pdf")), QStringLiteral("-")});
    ASSERT_EQ(run.status, 0) << run.errors.toStdString();
    for (const QString &text : {QStringLiteral("V(OUT)"), QStringLiteral("I(R1)"),
                                QStringLiteral("Time"), QStringLiteral("500µ")})
        EXPECT_TRUE(run.out.contains(text)) << text.toStdString();
}

} // namespace

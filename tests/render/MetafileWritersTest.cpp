// The EMF and placeable WMF files.
#include "render/EmfWriter.h"
#include "render/PageFont.h"
#include "render/RecordingCanvas.h"
#include "render/TextPieces.h"
#include "render/WmfWriter.h"
#include "support/Golden.h"
#include <QTextLayout>
#include <QtEndian>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>

namespace
{

std::int32_t I32At(const QByteArray &bytes, qsizetype at)
{
    return qFromLittleEndian<std::int32_t>(bytes.constData() + at);
}

// Where the first record of the type starts.
qsizetype RecordAt(const QByteArray &emf, std::int32_t type)
{
    qsizetype at = 0;
    while (I32At(emf, at) != type)
        at += I32At(emf, at + 4);
    return at;
}

// The advances of the first EXTTEXTOUTW record, in page units: logical
// units divided by the window's extent over the viewport's.
std::vector<int> EmfAdvances(const QByteArray &emf)
{
    const int k = I32At(emf, RecordAt(emf, 9) + 8) / I32At(emf, RecordAt(emf, 11) + 8);
    const qsizetype at = RecordAt(emf, 84);
    const int count = I32At(emf, at + 44);
    const qsizetype dx = at + I32At(emf, at + 72);
    std::vector<int> advances;
    for (int i = 0; i < count; ++i)
        advances.push_back(I32At(emf, dx + 4 * i) / k);
    return advances;
}

// The same from the page's layout of the whole text, a character's advance
// given to the first unit of its surrogate pair.
std::vector<int> WholeAdvances(const QString &text, const TFont &font)
{
    QTextLayout layout(text, PageFont(font));
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    std::vector<int> advances(std::size_t(text.size()), 0);
    int previous = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate())
            continue;
        const int x = int(std::lround(line.cursorToX(int(i + 1))));
        advances[std::size_t(i > 0 && text[i].isLowSurrogate() ? i - 1 : i)] = x - previous;
        previous = x;
    }
    return advances;
}

class MetafileWritersTest : public ::testing::Test
{
protected:
    PagePicture picture{300, 200};
    RecordingCanvas canvas{picture};

    // One of every drawing kind.
    void DrawSample()
    {
        canvas.Brush = {clSilver, TBrushStyle::bsSolid};
        canvas.Rectangle(0, 0, 300, 200);
        canvas.Brush.Style = TBrushStyle::bsClear;
        canvas.Pen = {clRed, 4};
        canvas.Ellipse(10, 10, 90, 60);
        canvas.MoveTo(0, 100);
        canvas.LineTo(150, 120);
        canvas.LineTo(299, 100);
        const QPoint bezier[] = {{10, 150}, {60, 100}, {110, 200}, {160, 150}};
        canvas.PolyBezier(bezier);
        const QPoint triangle[] = {{200, 10}, {250, 60}, {200, 60}};
        canvas.Polygon(triangle);
        canvas.Font.Size = 30;
        canvas.TextOut(120, 20, QStringLiteral("10 kΩ µs"));
        canvas.Font.Color = clBlue;
        canvas.Brush = {clYellow, TBrushStyle::bsSolid};
        canvas.TextOut(120, 80, QStringLiteral("Tension (V) 𝛼"));
    }
};

// Every kind of drawing, pen, brush and font changes (objects reusing their
// slots), texts in both character sets with a surrogate pair: the headers,
// record table, coordinates and texts compared at once with reference files.
// The EMF outlines its hollow ellipse with the stock null brush, in logical
// units finer than the page's.
TEST_F(MetafileWritersTest, SamplePageIsWrittenExactly)
{
    DrawSample();
    ExpectGolden(QStringLiteral("render/golden/sample.emf"), WriteEmf(picture));
    ExpectGolden(QStringLiteral("render/golden/sample.wmf"), WritePlaceableWmf(picture));
}

// A page larger than WMF's 16 bits: its units scaled down and what lies far
// off the page held at the largest coordinate; the EMF in 32-bit records.
TEST_F(MetafileWritersTest, LargePageIsWrittenExactly)
{
    picture.Reset(100000, 50000);
    canvas.MoveTo(0, 0);
    canvas.LineTo(100000, 50000);
    canvas.LineTo(200000, -50000);
    ExpectGolden(QStringLiteral("render/golden/large.emf"), WriteEmf(picture));
    ExpectGolden(QStringLiteral("render/golden/large.wmf"), WritePlaceableWmf(picture));
}

} // namespace

// A long text is measured in pieces: each character keeps its advance in the
// layout of the whole text, give or take the kerning across a cut, and no
// character is cut in two (a surrogate pair, a letter and its accent, with
// and without blanks to cut after).
TEST_F(MetafileWritersTest, LongTextsKeepTheWholeTextsAdvances)
{
    const QString words =
        QStringLiteral("Tension de sortie 𝛼 mesurée à 1 kHz, cafe\u0301 ").repeated(40);
    const QString noBlank =
        QStringLiteral("x").repeated(255) + QStringLiteral("𝛼e\u0301").repeated(300);
    for (const QString &text : {words, noBlank}) {
        picture.Reset(300, 200);
        canvas.TextOut(0, 100, text);
        const std::vector<int> advances = EmfAdvances(WriteEmf(picture));
        const std::vector<int> whole = WholeAdvances(text, canvas.Font);
        ASSERT_EQ(advances.size(), whole.size());
        int drift = 0;
        for (std::size_t i = 0; i < whole.size(); ++i) {
            EXPECT_LE(std::abs(advances[i] - whole[i]), 1) << i;
            EXPECT_EQ(advances[i] == 0, whole[i] == 0) << i;
            drift += advances[i] - whole[i];
        }
        EXPECT_LE(std::abs(drift), 2);
    }
}

// Of a long text the metafile holds what the page can show: up to the end of
// the first piece that reaches past the page's right edge.
TEST_F(MetafileWritersTest, ALongTextIsWrittenUpToThePageEdge)
{
    const QString text = QStringLiteral("mesure de la tension ").repeated(1000);
    for (const int width : {300, 1000000}) {
        picture.Reset(width, 200);
        canvas.TextOut(10, 100, text);
        const std::vector<int> advances = EmfAdvances(WriteEmf(picture));
        const int reach = 10 + std::accumulate(advances.begin(), advances.end(), 0);
        if (width == 300) {
            EXPECT_LE(qsizetype(advances.size()), WholeTextLength);
            EXPECT_GE(reach, width);
        } else {
            EXPECT_EQ(qsizetype(advances.size()), text.size());
        }
    }
}

#include "render/PagePicture.h"
#include "render/RecordingCanvas.h"
#include <QStringList>
#include <QVector>
#include <array>
#include <gtest/gtest.h>
#include <vector>

namespace
{

class RecordingCanvasTest : public ::testing::Test
{
protected:
    PagePicture picture{3000, 2000};
    RecordingCanvas canvas{picture};
};

TEST_F(RecordingCanvasTest, CallsThatDrawNothingAreNotRecordedAndBeziersKeepWholePieces)
{
    const std::vector<QPoint> one{{1, 1}};
    canvas.Polyline({});
    canvas.Polyline(one);
    canvas.Polygon(one);
    canvas.PolyBezier(std::vector<QPoint>{{0, 0}, {1, 1}, {2, 2}});
    canvas.TextOut(0, 0, QString());
    EXPECT_TRUE(picture.IsEmpty());
    EXPECT_EQ(canvas.PenPos(), QPoint(1, 1));

    std::vector<QPoint> nine;
    for (int i = 0; i < 9; ++i)
        nine.emplace_back(i, i);
    canvas.PolyBezier(nine);
    ASSERT_EQ(picture.Count(), 1);
    EXPECT_EQ(picture.At(0).Points.size(), 7u);
}

TEST_F(RecordingCanvasTest, LargePicturesStayCompact)
{
    constexpr int lines = 200000;
    for (int i = 0; i < lines; ++i)
        canvas.LineTo(i % 3000, i % 2000);
    EXPECT_EQ(picture.Count(), lines);
    EXPECT_EQ(picture.StyleCount(), 1u) << "a style is stored only when it changes";
    // Two points and one small entry per line, with vector slack.
    EXPECT_LT(picture.MemoryBytes(), std::size_t(lines) * 40 * 2);
}

// A page keeps coming back to the same styles (grid and ticks, graph after
// graph): they are stored once each, and every record still reads its own.
TEST_F(RecordingCanvasTest, StylesComingBackAreStoredOnce)
{
    const std::array<TPen, 3> pens{TPen{clSilver, 1}, TPen{clBlack, 2}, TPen{clRed, 4}};
    for (int i = 0; i < 3000; ++i) {
        canvas.Pen = pens[std::size_t(i % 3)];
        canvas.Font.Size = i % 2 ? 30 : 12;
        canvas.MoveTo(i, 0);
        canvas.LineTo(i, 10);
        canvas.TextOut(i, 20, QStringLiteral("5µ"));
    }
    EXPECT_LE(picture.StyleCount(), 6u);
    for (const int i : {0, 1, 2, 2999}) {
        const PictureRecord line = picture.At(2 * i);
        EXPECT_EQ(line.Pen, pens[std::size_t(i % 3)]) << i;
        EXPECT_EQ(picture.At(2 * i + 1).Font.Size, i % 2 ? 30 : 12) << i;
    }
}

// Short texts are copied into the picture; a long one (a document's text of
// megabytes) keeps the characters it was given, without a copy.
TEST_F(RecordingCanvasTest, LongTextsAreSharedNotCopied)
{
    const QString longText = QStringLiteral("mesure ").repeated(1000);
    const QStringList texts{QStringLiteral("5µ"), longText, QStringLiteral("V(N1)"),
                            longText + "x"};
    for (int i = 0; i < texts.size(); ++i)
        canvas.TextOut(i, i, texts[i]);
    ASSERT_EQ(picture.Count(), int(texts.size()));
    for (int i = 0; i < texts.size(); ++i)
        EXPECT_EQ(picture.At(i).Text, texts[i]) << i;
    EXPECT_EQ(picture.TextOf(picture.EntryAt(1)).data(), longText.constData());
}

} // namespace

#include "render/PageFont.h"
#include "data/PageUnits.h"
#include "render/QtColor.h"
#include "render/RecordingCanvas.h"
#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>

namespace
{

TEST(PageFontTest, PixelSizeIsRoundedFromPointsAt96Dpi)
{
    struct Case {
        int points;
        int pixels;
    };
    for (const Case c : {Case{30, 40}, Case{11, 15}, Case{9, 12}, Case{0, 1}, Case{-12, 1},
                         Case{1000000, MaxFontPixels}}) {
        EXPECT_EQ(FontPixelSize(c.points), c.pixels) << c.points;
    }
    TFont font;
    font.Name = QStringLiteral("Times New Roman");
    font.Size = 30;
    font.Italic = true;
    const QFont f = PageFont(font);
    EXPECT_EQ(std::tuple(f.pixelSize(), f.italic(), f.bold(), f.hintingPreference()),
              std::tuple(40, true, false, QFont::PreferNoHinting));
}

TEST(PageFontTest, TextExtentFollowsTheFontAndNotTheScreen)
{
    PagePicture picture(100, 100);
    RecordingCanvas canvas(picture);
    canvas.Font.Name = QStringLiteral("Times New Roman");
    canvas.Font.Size = 30;
    const QSize cell = canvas.TextExtent(QStringLiteral("Tension"));
    // A 40-unit em: the cell holds the ascent and descent of the face.
    EXPECT_GE(cell.height(), 40);
    EXPECT_LE(cell.height(), 50);
    EXPECT_EQ(canvas.TextExtent(QString()), QSize(0, cell.height()));
    canvas.Font.Size = 15;
    EXPECT_NEAR(canvas.TextExtent(QStringLiteral("Tension")).width() * 2, cell.width(), 3);

    // The same cell whatever device measures it.
    QImage highDpi(10, 10, QImage::Format_RGB32);
    highDpi.setDotsPerMeterX(11811);
    highDpi.setDotsPerMeterY(11811);
    const QFontMetricsF printer(PageFont(canvas.Font), &highDpi);
    EXPECT_EQ(TextCell(printer, QStringLiteral("Tension")),
              canvas.TextExtent(QStringLiteral("Tension")));
}

// A long text is measured piece by piece: whole, its advance would overflow
// the layout's fixed-point width (2^25 units) and come back as a wrong,
// small width. A text wider than the page can hold is held at its limit.
TEST(PageFontTest, LongTextsKeepTheirWidthUpToThePageLimit)
{
    TFont font;
    font.Name = QStringLiteral("Times New Roman");
    font.Size = 3000; // 4000 units: a few thousand characters pass 2^25 units
    const QFontMetricsF metrics(PageFont(font));
    const QString word = QStringLiteral("Wm ");
    // Kerning included: what one more word adds to a line of them.
    const double unit =
        metrics.horizontalAdvance(word.repeated(2)) - metrics.horizontalAdvance(word);
    for (const int words : {2000, 20000, 100000}) {
        const QString text = word.repeated(words);
        const double expected = std::min(unit * words, double(PageCoordLimit));
        EXPECT_NEAR(TextCell(metrics, text).width(), expected, expected * 1e-4) << words;
    }
    EXPECT_EQ(TextCell(metrics, word.repeated(20000)).height(), TextCell(metrics, word).height());
}

TEST(QtColorTest, PlainAndSystemColours)
{
    EXPECT_EQ(ToQColor(RGBColor(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_EQ(ToQColor(0xFF00000Fu), QColor(240, 240, 240)); // button face
    EXPECT_EQ(ToQColor(0x800000FFu), QColor(0, 0, 0));       // unknown index
    EXPECT_EQ(ToQColor(0x1FFFFFFFu), QColor(255, 255, 255)); // flags above the colour
}

} // namespace

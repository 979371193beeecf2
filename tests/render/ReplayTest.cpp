#include "render/PictureReplay.h"
#include "render/RecordingCanvas.h"
#include "support/Golden.h"
#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <gtest/gtest.h>
#include <limits>
#include <memory>
#include <tuple>
#include <vector>

namespace
{

// Replays at one pixel per page unit onto white, unless told otherwise.
class ReplayTest : public ::testing::Test
{
protected:
    PagePicture picture{100, 100};
    RecordingCanvas canvas{picture};

    static QImage blank(QSize size = QSize(100, 100))
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }

    QImage replay(QSize size = QSize(100, 100))
    {
        return replayInto(size, QRectF(QPointF(0, 0), QSizeF(size)));
    }

    QImage replayInto(QSize size, const QRectF &target)
    {
        QImage image = blank(size);
        QPainter painter(&image);
        ReplayPicture(painter, picture, target);
        return image;
    }

    static QRgb white() { return qRgb(255, 255, 255); }
    static QRgb red() { return qRgb(255, 0, 0); }
};

// Shapes outlined with the pen, filled unless the brush is clear, right and
// bottom edges excluded as on Windows; thin and thick pens with round ends;
// texts in their font colour filling their cell only with a solid brush:
// compared at once with a reference image.
TEST_F(ReplayTest, SamplePictureIsReplayedExactly)
{
    picture.Reset(200, 100);
    canvas.Brush = TBrush{clRed, TBrushStyle::bsSolid};
    canvas.Rectangle(10, 10, 20, 20);
    canvas.Polygon(std::vector<QPoint>{{20, 60}, {60, 60}, {60, 90}, {20, 90}});
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Rectangle(30, 10, 40, 20);
    canvas.Ellipse(60, 20, 100, 50);
    canvas.Pen.Color = clRed;
    canvas.Polyline(std::vector<QPoint>{{70, 60}, {90, 60}, {90, 80}});
    canvas.Pen = TPen{clBlack, 1};
    canvas.MoveTo(110, 10);
    canvas.LineTo(190, 10);
    canvas.Pen.Width = 7;
    canvas.MoveTo(120, 25);
    canvas.LineTo(180, 25);
    canvas.Font.Size = 20;
    canvas.Font.Color = clRed;
    canvas.Brush = TBrush{clBlue, TBrushStyle::bsSolid};
    canvas.TextOut(110, 40, QStringLiteral("MMM"));
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.TextOut(110, 70, QStringLiteral("MMM"));
    QByteArray png;
    QBuffer out(&png);
    out.open(QIODevice::WriteOnly);
    ASSERT_TRUE(replay(QSize(200, 100)).save(&out, "PNG"));
    ExpectGolden(QStringLiteral("render/golden/replay.png"), png);
}

// Long wide polylines are stroked in pieces on raster devices: the pieces
// must cover what a single stroke covers, no gap and nothing extra.
TEST_F(ReplayTest, WidePolylinesCoverWhatOneStrokeCovers)
{
    // Back and forth along ten rows, one point every ten units.
    std::vector<QPoint> zigzag;
    for (int row = 0; row < 10; ++row)
        for (int i = 0; i < 10; ++i)
            zigzag.emplace_back(row % 2 ? 95 - 10 * i : 5 + 10 * i, 5 + 10 * row);
    canvas.Pen = TPen{clBlue, 5};
    canvas.Polyline(zigzag);
    const QImage pieces = replay();

    QImage whole = blank();
    QPainter painter(&whole);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(0.5, 0.5);
    painter.setPen(QPen(Qt::blue, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPolyline(zigzag.data(), int(zigzag.size()));
    painter.end();

    int gaps = 0;
    int extra = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            const int a = qRed(pieces.pixel(x, y));
            const int b = qRed(whole.pixel(x, y));
            gaps += b < 64 && a > 128;
            extra += b == 255 && a < 192;
        }
    }
    EXPECT_EQ(gaps, 0);
    EXPECT_EQ(extra, 0);
}

TEST_F(ReplayTest, ShrunkPagesKeepThinLinesVisible)
{
    canvas.MoveTo(0, 50);
    canvas.LineTo(100, 50);
    const QImage image = replay(QSize(10, 10));
    int darkest = 255;
    for (int y = 0; y < 10; ++y)
        darkest = std::min(darkest, qRed(image.pixel(5, y)));
    EXPECT_LT(darkest, 160);
}

// On screen every line covers a whole number of pixels in the pen colour,
// round(width x scale) and at least one, wherever it falls between rows.
TEST_F(ReplayTest, ScreenLinesCoverWholePixelsInThePenColour)
{
    const struct {
        double scale; // pixels per page unit
        int width;
        int pixels;
    } cases[] = {{0.283, 1, 1}, {0.283, 4, 1}, {0.283, 30, 8}, {0.6, 1, 1},
                 {0.6, 10, 6},  {1.7, 1, 2},   {1.7, 4, 7}};
    for (const auto &c : cases) {
        for (int at = 400; at < 410; ++at) { // every position between two rows
            SCOPED_TRACE(testing::Message()
                         << "scale " << c.scale << " width " << c.width << " at " << at);
            picture.Reset(1000, 1000);
            canvas.Pen = TPen{clRed, c.width};
            canvas.MoveTo(100, at);
            canvas.LineTo(900, at);
            canvas.MoveTo(at, 100);
            canvas.LineTo(at, 900);
            const int side = int(1000 * c.scale);
            QImage image = blank(QSize(side, side));
            QPainter painter(&image);
            ReplayPicture(painter, picture, QRectF(0, 0, side, side), TReplayPixels::Whole);
            painter.end();
            const int middle = int(250 * c.scale);
            int across = 0, along = 0, tinted = 0;
            for (int k = 0; k < side; ++k) {
                for (const QRgb p : {image.pixel(middle, k), image.pixel(k, middle)}) {
                    tinted += p != red() && p != white();
                }
                across += image.pixel(middle, k) == red();
                along += image.pixel(k, middle) == red();
            }
            EXPECT_EQ(across, c.pixels);
            EXPECT_EQ(along, c.pixels);
            EXPECT_EQ(tinted, 0);
        }
    }
}

TEST_F(ReplayTest, EmptyPageOrTargetDrawsNothing)
{
    canvas.Rectangle(0, 0, 50, 50);
    picture.SetMFWidth(0);
    EXPECT_EQ(replay().pixel(0, 0), white());

    picture.SetMFWidth(100);
    EXPECT_EQ(replayInto(QSize(100, 100), QRectF(0, 0, 0, 100)).pixel(0, 0), white());
}

// Documents can hold any integer: replay must neither crash nor hang on them.
TEST_F(ReplayTest, ExtremeCoordinatesAndWidthsAreSurvived)
{
    constexpr int big = std::numeric_limits<int>::max();
    constexpr int small = std::numeric_limits<int>::min();
    canvas.Pen.Width = big;
    canvas.MoveTo(small, small);
    canvas.LineTo(big, big);
    canvas.Pen.Width = 1;
    canvas.Brush = TBrush{clRed, TBrushStyle::bsSolid};
    canvas.Rectangle(small, 10, big, 20);
    canvas.Ellipse(small, small, big, big);
    const std::vector<QPoint> wild{{small, 0}, {big, big}, {0, small}, {big, 0}};
    canvas.Polygon(wild);
    canvas.PolyBezier(wild);
    canvas.Font.Size = big;
    canvas.TextOut(small, big, QStringLiteral("x"));
    const QImage image = replay();
    EXPECT_EQ(image.size(), QSize(100, 100));
}

// A replay spread over devices moves on before each drawing whose state
// changed, once enough records are drawn, and says so when the next device
// cannot be had.
TEST(ReplayOnDevicesTest, MovesOnWhereTheStateChangesAndStopsWhenNoDeviceIsLeft)
{
    PagePicture picture(100, 100);
    RecordingCanvas canvas(picture);
    for (int i = 0; i < 6; ++i) {
        canvas.Pen.Color = i % 2 ? clRed : clBlack;
        canvas.Rectangle(i * 10, 0, i * 10 + 5, 5);
    }
    canvas.Rectangle(70, 0, 75, 5); // same state: drawn on the last device
    for (const auto &[available, perDevice, devicesUsed, done] :
         {std::tuple{true, 1, 6, true}, {true, 2, 3, true}, {false, 1, 1, false}}) {
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        std::vector<std::unique_ptr<QSvgGenerator>> devices;
        const auto begin = [&](QPainter &painter) {
            devices.push_back(std::make_unique<QSvgGenerator>());
            devices.back()->setOutputDevice(&out);
            return painter.begin(devices.back().get());
        };
        QPainter painter;
        ASSERT_TRUE(begin(painter));
        const TReplayDevices next{perDevice,
                                  [&](QPainter &p) { return p.end() && available && begin(p); }};
        EXPECT_EQ(ReplayPictureOnDevices(painter, picture, QRectF(0, 0, 100, 100), next), done);
        EXPECT_EQ(int(devices.size()), devicesUsed) << perDevice;
        if (painter.isActive())
            painter.end();
    }
}

} // namespace

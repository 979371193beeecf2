#include "render/MetafileWalk.h"
#include "render/PageFont.h"
#include "render/RecordingCanvas.h"
#include <QFontMetricsF>
#include <QStringList>
#include <gtest/gtest.h>
#include <numeric>

namespace
{

// Writes each call as a short line.
class CallLog : public MetafileRecords
{
public:
    QStringList Calls;
    std::vector<int> Advances;

    void CreatePen(int slot, const TPen &pen) override
    {
        Calls << QStringLiteral("pen %1 w%2 #%3").arg(slot).arg(pen.Width).arg(pen.Color, 0, 16);
    }
    void CreateBrush(int slot, const TBrush &brush) override
    {
        Calls << QStringLiteral("brush %1 %2")
                     .arg(slot)
                     .arg(brush.Style == TBrushStyle::bsClear ? QStringLiteral("null")
                                                              : QString::number(brush.Color, 16));
    }
    void CreateFont(int slot, const TFont &font) override
    {
        Calls << QStringLiteral("font %1 %2").arg(slot).arg(font.Size);
    }
    void SelectObject(int slot) override { Calls << QStringLiteral("select %1").arg(slot); }
    void DeleteObject(int slot) override { Calls << QStringLiteral("delete %1").arg(slot); }
    void SetTextColor(TColor color) override
    {
        Calls << QStringLiteral("color #%1").arg(color, 0, 16);
    }
    void Polyline(std::span<const QPoint> points) override { poly("polyline", points); }
    void Polygon(std::span<const QPoint> points) override { poly("polygon", points); }
    void PolyBezier(std::span<const QPoint> points) override { poly("bezier", points); }
    void Rectangle(int l, int t, int r, int b) override { box("rectangle", l, t, r, b); }
    void Ellipse(int l, int t, int r, int b) override { box("ellipse", l, t, r, b); }
    void TextOut(QPoint baseline, QStringView text, std::span<const int> advances) override
    {
        Calls << QStringLiteral("text %1,%2 %3").arg(baseline.x()).arg(baseline.y()).arg(text);
        Advances.assign(advances.begin(), advances.end());
    }

private:
    void poly(const char *kind, std::span<const QPoint> points)
    {
        Calls << QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(points.size());
    }
    void box(const char *kind, int l, int t, int r, int b)
    {
        Calls << QStringLiteral("%1 %2,%3,%4,%5")
                     .arg(QLatin1String(kind))
                     .arg(l)
                     .arg(t)
                     .arg(r)
                     .arg(b);
    }
};

class MetafileWalkTest : public ::testing::Test
{
protected:
    PagePicture picture{300, 200};
    RecordingCanvas canvas{picture};
    CallLog log;
};

TEST_F(MetafileWalkTest, ObjectsTakeTheLowestFreeSlotAndAreDeletedOnceReplaced)
{
    canvas.MoveTo(0, 0);
    canvas.LineTo(10, 0);
    canvas.LineTo(10, 10); // joins the run
    canvas.Pen = {clRed, 3};
    canvas.LineTo(20, 10);
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Rectangle(50, 40, 30, 20); // corners in any order
    canvas.Ellipse(5, 5, 5, 9);       // empty: skipped
    const QPoint arrow[] = {{0, 0}, {4, 2}, {0, 4}};
    canvas.Pen = {clRed, 1};
    canvas.Brush = {clRed, TBrushStyle::bsSolid};
    canvas.Polygon(arrow);

    EXPECT_EQ(WalkPicture(picture, log, 1), 3);
    const QStringList expected{
        "pen 1 w1 #0",  "select 1",   "polyline 3",   "pen 2 w3 #ff", "select 2",
        "delete 1",     "polyline 2", "brush 1 null", "select 1",     "rectangle 30,20,50,40",
        "pen 3 w1 #ff", "select 3",   "delete 2",     "brush 2 ff",   "select 2",
        "delete 1",     "polygon 3",
    };
    EXPECT_EQ(log.Calls, expected);
}

TEST_F(MetafileWalkTest, TextsComeAtTheirBaselineOnTheirCellWithThePageAdvances)
{
    canvas.Font.Size = 30;
    canvas.Font.Color = clBlue;
    canvas.Brush = {clYellow, TBrushStyle::bsSolid};
    const QString text = QStringLiteral("Tension (V) 𝛼");
    canvas.TextOut(10, 20, text);
    canvas.Brush.Style = TBrushStyle::bsClear;
    canvas.Font.Color = clRed;
    canvas.TextOut(10, 80, QStringLiteral("b"));

    WalkPicture(picture, log, 0);
    const QFontMetricsF metrics(PageFont(canvas.Font));
    const QSize cell = TextCell(metrics, text);
    const int baseline = 20 + TextAscent(metrics);
    const QStringList expected{
        "pen 0 w1 #ffff",
        "select 0",
        "brush 1 ffff",
        "select 1",
        QStringLiteral("rectangle 10,20,%1,%2").arg(10 + cell.width()).arg(20 + cell.height()),
        "font 2 30",
        "select 2",
        "color #ff0000",
        QStringLiteral("text 10,%1 %2").arg(baseline).arg(text),
        "color #ff",
        QStringLiteral("text 10,%1 b").arg(baseline + 60),
    };
    EXPECT_EQ(log.Calls, expected);

    PagePicture one(300, 200);
    RecordingCanvas(one).TextOut(0, 0, text);
    WalkPicture(one, log, 0);
    ASSERT_EQ(log.Advances.size(), std::size_t(text.size()));
    EXPECT_EQ(log.Advances.back(), 0); // second half of the surrogate pair
    const int total = std::accumulate(log.Advances.begin(), log.Advances.end(), 0);
    EXPECT_NEAR(total, QFontMetricsF(PageFont(TFont{})).horizontalAdvance(text), 1.0);
}

} // namespace

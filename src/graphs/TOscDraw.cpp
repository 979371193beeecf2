// Drawing of the oscilloscope screen: the graticule, the scale labels below
// it, then the elements.
#include "graphs/TOsc.h"

#include "data/EngNumbers.h"
#include "data/TDataOsc.h"
#include "data/TDatas.h"
#include "graphs/Strokes.h"
#include "page/TSmallGraph.h"
#include "render/Canvas.h"
#include <algorithm>
#include <array>
#include <vector>

namespace
{

// Scale per division of a series: a channel's 25 codes, or a tenth of the
// time base's span. A record of 1024 points holds 1013 shown ones.
double perDivision(const TData &s)
{
    if (s.Kind == dkOsc)
        return static_cast<const TDataOsc &>(s).YMult * 25;
    const int n = s.Count();
    // Fewer than two samples give no spacing to scale.
    if (n < 2)
        return 0;
    return (s.GetValue(1) - s.GetValue(0)) * (n == 1024 ? 1013 : n) / 10;
}

struct ScaleLabel {
    QString Text;
    TColor Color;
};

// "name : scale/div" for every series with a unit other than "Undefine".
std::vector<ScaleLabel> scaleLabels(const TDatas *datas)
{
    std::vector<ScaleLabel> labels;
    const int count = datas ? datas->Count() : 0;
    for (int i = 0; i < count; ++i) {
        const TData *s = datas->Item(i);
        if (!s || s->Unit == QLatin1String("Undefine"))
            continue;
        const double d = perDivision(*s);
        const QString scale = FormatEng(d, Resolution(d));
        labels.push_back({s->Name + QStringLiteral(" : ") + scale + s->Unit + QStringLiteral("/div"),
                          s->Color});
    }
    return labels;
}

struct PlacedLabels {
    std::vector<QPoint> Corners; // top-left corner of each label
    int Bottom;                  // the lowest text edge
};

// Labels one after the other from (x0, top), a twentieth of the width
// apart, in the canvas's font; a label that would pass xr starts a new row
// 1.2 text heights lower at x0.
PlacedLabels placeLabels(const Canvas &canvas, const std::vector<ScaleLabel> &labels, int x0,
                         int xr, int top)
{
    PlacedLabels placed{{}, top};
    int x = x0;
    int y = top;
    for (const ScaleLabel &label : labels) {
        const QSize size = canvas.TextExtent(label.Text);
        if (x != x0 && x + size.width() > xr) {
            x = x0;
            y += size.height() * 12 / 10;
        }
        placed.Corners.emplace_back(x, y);
        placed.Bottom = std::max(placed.Bottom, y + size.height());
        x += size.width() + (xr - x0) / 20;
    }
    return placed;
}

} // namespace

void TOsc::Draw(Canvas &canvas)
{
    drawGraticule(canvas);
    drawScaleLabels(canvas);
    for (TSmallGraph *e : Elements())
        if (e)
            e->Draw(canvas);
}

void TOsc::drawGraticule(Canvas &canvas) const
{
    const int xl = XToPageClipped(XMin - 1);
    const int xr = XToPageClipped(XMax + 1);
    const int yb = YToPageClipped(YMin);
    const int yt = YToPageClipped(YMax);
    auto xAt = [&](int i, int parts) { return XToPageClipped(XMin + (XMax - XMin) * i / parts); };
    auto yAt = [&](int j, int parts) { return YToPageClipped(YMin + (YMax - YMin) * j / parts); };

    SetPen(canvas, EpaisQuadri, ColorQuadri);
    for (int i = 1; i <= 9; ++i)
        if (i != 5)
            Stroke(canvas, xAt(i, 10), yb, xAt(i, 10), yt);
    for (int j = 1; j <= 7; ++j)
        if (j != 4)
            Stroke(canvas, xr, yAt(j, 8), xl, yAt(j, 8));

    SetPen(canvas, EpaisAxe, ColorAxe);
    const int t = 3 * EpaisAxe;
    const std::array<QPoint, 5> frame{QPoint(xr, yt), QPoint(xl, yt), QPoint(xl, yb),
                                      QPoint(xr, yb), QPoint(xr, yt)};
    canvas.Polyline(frame);
    const int yc = YToPageClipped((YMax + YMin) / 2);
    const int xc = XToPageClipped((XMax + XMin) / 2);
    Stroke(canvas, xr, yc, xl, yc);
    Stroke(canvas, xc, yt, xc, yb);
    // Subdivision ticks, twice as long on the division lines: across the
    // centre lines and inward from the frame.
    for (int i = 1; i <= 49; ++i) {
        const int len = i % 5 == 0 ? 2 * t : t;
        const int x = xAt(i, 50);
        Stroke(canvas, x, yc - len, x, yc + len);
        Stroke(canvas, x, yb, x, yb - len);
        Stroke(canvas, x, yt, x, yt + len);
    }
    for (int j = 1; j <= 39; ++j) {
        const int len = j % 5 == 0 ? 2 * t : t;
        const int y = yAt(j, 40);
        Stroke(canvas, xc - len, y, xc + len, y);
        Stroke(canvas, xl, y, xl + len, y);
        Stroke(canvas, xr, y, xr - len, y);
    }
}

void TOsc::drawScaleLabels(Canvas &canvas) const
{
    const int x0 = XToPageClipped(XMin - 1);
    const int xr = XToPageClipped(XMax + 1);
    const int yb = YToPageClipped(YMin - 1);
    const int yt = YToPageClipped(YMax + 1);
    const std::vector<ScaleLabel> labels = scaleLabels(Datas);
    canvas.Font = FontGrad;
    canvas.Brush.Style = TBrushStyle::bsClear;
    const auto placedAt = [&](int size) {
        canvas.Font.Size = size;
        return placeLabels(canvas, labels, x0, xr, yb - (yt - yb) / 100);
    };
    PlacedLabels placed = placedAt(FontGrad.Size);
    // Rows that would run past the graph's bottom, over the graph below,
    // take the largest smaller font that keeps them above it.
    if (placed.Bottom > Bottom()) {
        int fits = 1;
        int tooLarge = FontGrad.Size;
        while (tooLarge - fits > 1) {
            const int size = fits + (tooLarge - fits) / 2;
            (placedAt(size).Bottom <= Bottom() ? fits : tooLarge) = size;
        }
        placed = placedAt(fits);
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        canvas.Font.Color = labels[i].Color;
        canvas.TextOut(placed.Corners[i].x(), placed.Corners[i].y(), labels[i].Text);
    }
}

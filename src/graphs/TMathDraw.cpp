// Drawing of the XY graph: grid, graduations with their labels, the two axes
// with arrowheads and break marks, then the elements. Every length is a
// multiple of u, a four-hundredth of the frame width.
#include "graphs/TMath.h"

#include "graphs/AxisTicks.h"
#include "graphs/Strokes.h"
#include "page/TSmallGraph.h"
#include "render/Canvas.h"
#include "render/PageFont.h"
#include <array>

namespace
{

// The system font's Height: negative for a font sized in points.
int fontHeight(const TFont &font)
{
    return -FontPixelSize(font.Size);
}

} // namespace

void TMath::Draw(Canvas &canvas)
{
    const int u = Width() / 400;
    const int x0 = XToPageClipped(0);
    const int y0 = YToPageClipped(0);
    canvas.Font = FontGrad;
    canvas.Brush.Style = TBrushStyle::bsClear;
    drawXGraduations(canvas, x0, y0, u);
    drawXAxis(canvas, x0, y0, u);
    drawYGraduations(canvas, x0, y0, u);
    drawYAxis(canvas, x0, y0, u);
    for (TSmallGraph *e : Elements())
        if (e)
            e->Draw(canvas);
}

void TMath::drawXGraduations(Canvas &canvas, int x0, int y0, int u)
{
    const int gridTop = YToPageClipped(YMax + 1);
    const int gridBottom = YToPageClipped(YMin - 1);
    int lastRight = Left;
    for (const TTick &tick : AxisTicks(XMap(), PasX, AutoPasX())) {
        const int x = XToPageClipped(tick.Value);
        if (QuadriVer && tick.Grid) {
            SetPen(canvas, EpaisQuadri, ColorQuadri);
            Stroke(canvas, x, gridTop, x, gridBottom);
        }
        SetPen(canvas, EpaisAxe, ColorAxe);
        if (!tick.Text.isEmpty()) {
            const QSize size = canvas.TextExtent(tick.Text);
            const int w = size.width();
            const int h = size.height();
            const int ty = YMax <= 0 ? y0 - 2 * u - h : y0 + 2 * u;
            const bool clearOfYAxis = x0 + 10 * u < x || x0 - 10 * u > x + w;
            if (x - w / 2 > lastRight && clearOfYAxis) {
                Stroke(canvas, x, y0 + u, x, y0 - u);
                canvas.TextOut(x - w / 2, ty, tick.Text);
                lastRight = x + w + fontHeight(canvas.Font);
                continue;
            }
        }
        Stroke(canvas, x, y0 + u / 2, x, y0 + u / 2 - u);
    }
}

void TMath::drawXAxis(Canvas &canvas, int x0, int y0, int u)
{
    SetPen(canvas, EpaisAxe, ColorAxe);
    const int xr = XToPageClipped(XMax + 1) + 6 * u;
    const int xl = XToPageClipped(XMin - 1) - 6 * u;
    Stroke(canvas, xr, y0, xl, y0);
    Stroke(canvas, xr, y0, xr - 4 * u, y0 - 2 * u);
    Stroke(canvas, xr, y0, xr - 4 * u, y0 + 2 * u);
    // Break marks beside the crossing, toward the scale, when zero lies
    // outside it; a logarithmic scale has no zero to break from.
    for (int side : {XMax < 0 ? -1 : 0, XMin > 0 && !XMap().Log ? 1 : 0}) {
        if (side == 0)
            continue;
        for (int c : {x0 + side * 3 * u, x0 + side * 5 * u}) {
            const std::array<QPoint, 4> mark{QPoint(c, y0 + 6 * u), QPoint(c - 6 * u, y0 + 3 * u),
                                             QPoint(c + 6 * u, y0 - 3 * u), QPoint(c, y0 - 6 * u)};
            canvas.PolyBezier(mark);
        }
    }
}

void TMath::drawYGraduations(Canvas &canvas, int x0, int y0, int u)
{
    const int gridRight = XToPageClipped(XMax + 1);
    const int gridLeft = XToPageClipped(XMin - 1);
    int lastTop = Bottom();
    for (const TTick &tick : AxisTicks(YMap(), PasY, AutoPasY())) {
        const int y = YToPageClipped(tick.Value);
        if (QuadriHor && tick.Grid) {
            SetPen(canvas, EpaisQuadri, ColorQuadri);
            Stroke(canvas, gridRight, y, gridLeft, y);
        }
        SetPen(canvas, EpaisAxe, ColorAxe);
        if (!tick.Text.isEmpty()) {
            const QSize size = canvas.TextExtent(tick.Text);
            const int w = size.width();
            const int h = size.height();
            const int tx = XMax <= 0 ? x0 + 2 * u : x0 - u - w;
            const bool clearOfXAxis = y0 > y + h || y0 < y - h;
            if (y + h / 2 < lastTop && clearOfXAxis) {
                Stroke(canvas, x0 - u, y, x0 + u, y);
                canvas.TextOut(tx, y - h / 2, tick.Text);
                lastTop = y - h / 2 - 10;
                continue;
            }
        }
        Stroke(canvas, x0 - u / 2, y, x0 - u / 2 + u, y);
    }
}

void TMath::drawYAxis(Canvas &canvas, int x0, int y0, int u)
{
    SetPen(canvas, EpaisAxe, ColorAxe);
    const int yt = YToPageClipped(YMax + 1) - 6 * u;
    const int yb = YToPageClipped(YMin - 1) + 6 * u;
    Stroke(canvas, x0, yt, x0, yb);
    Stroke(canvas, x0, yt, x0 - 2 * u, yt + 4 * u);
    Stroke(canvas, x0, yt, x0 + 2 * u, yt + 4 * u);
    // Break marks: below the crossing when the scale lies below zero, above
    // it when the scale lies above (not a logarithmic one).
    for (int side : {YMax < 0 ? 1 : 0, YMin > 0 && !YMap().Log ? -1 : 0}) {
        if (side == 0)
            continue;
        for (int c : {y0 + side * 3 * u, y0 + side * 5 * u}) {
            const std::array<QPoint, 4> mark{QPoint(x0 + 6 * u, c), QPoint(x0 + 3 * u, c - 6 * u),
                                             QPoint(x0 - 3 * u, c + 6 * u), QPoint(x0 - 6 * u, c)};
            canvas.PolyBezier(mark);
        }
    }
}

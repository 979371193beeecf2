#include "render/Arrows.h"
#include "render/Canvas.h"
#include <array>

namespace
{

void fillArrow(Canvas &canvas, const std::array<QPoint, 7> &points)
{
    canvas.Pen.Width = 1;
    canvas.Brush.Color = canvas.Pen.Color;
    canvas.Brush.Style = TBrushStyle::bsSolid;
    canvas.Polygon(points);
    canvas.Brush.Style = TBrushStyle::bsClear;
}

} // namespace

void ArrowRight(Canvas &canvas, int x, int s, int y)
{
    const int h = s / 2;
    fillArrow(canvas,
              {QPoint(x, y), QPoint(x - s, y - s), QPoint(x - s, y - h), QPoint(x - 2 * s, y - h),
               QPoint(x - 2 * s, y + h), QPoint(x - s, y + h), QPoint(x - s, y + s)});
}

void ArrowDown(Canvas &canvas, int x, int s, int y)
{
    const int h = s / 2;
    fillArrow(canvas,
              {QPoint(x, y), QPoint(x + s, y - s), QPoint(x + h, y - s), QPoint(x + h, y - 2 * s),
               QPoint(x - h, y - 2 * s), QPoint(x - h, y - s), QPoint(x - s, y - s)});
}

void ArrowUp(Canvas &canvas, int x, int s, int y)
{
    const int h = s / 2;
    fillArrow(canvas,
              {QPoint(x, y), QPoint(x + s, y + s), QPoint(x + h, y + s), QPoint(x + h, y + 2 * s),
               QPoint(x - h, y + 2 * s), QPoint(x - h, y + s), QPoint(x - s, y + s)});
}

#pragma once
// Small drawing steps shared by the graphs' frames and graduations.
#include "render/Canvas.h"

inline void Stroke(Canvas &c, int x1, int y1, int x2, int y2)
{
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
}

inline void SetPen(Canvas &c, int width, TColor color)
{
    c.Pen.Width = width;
    c.Pen.Color = color;
}

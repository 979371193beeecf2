#pragma once
// Filled arrow markers of size s with their tip at (x, y): a seven-point
// polygon in the pen's colour (pen width 1, brush the pen colour), after
// which the brush is left clear.
class Canvas;

void ArrowRight(Canvas &canvas, int x, int s, int y);
void ArrowDown(Canvas &canvas, int x, int s, int y);
void ArrowUp(Canvas &canvas, int x, int s, int y);

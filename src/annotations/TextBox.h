#pragma once
// The box of a one-line text annotation: its lower-left corner is the
// anchor, its size the one measured by the last drawing.
class Canvas;
class TDessin;

// Whether the page point lies in the box anchored at (x0, y0), widened by the
// element's Tolerance on every side.
bool TextBoxHit(const TDessin &d, int x0, int y0, int x, int y);
// The red outline of the box on the screen and the move handle at its
// anchor, shifted by the drag offset.
void DrawTextBoxSelection(const TDessin &d, Canvas &screen, int offX, int offY);

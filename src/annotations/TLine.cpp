#include "annotations/TLine.h"

#include "page/PointerShapes.h"
#include "render/Canvas.h"

void TLine::Draw(Canvas &canvas)
{
    if (!IsVisible())
        return;
    canvas.Pen = TPen{GetColor(), Epais};
    canvas.MoveTo(GetX(), GetY());
    canvas.LineTo(GetX2(), GetY2());
}

bool TLine::HitTest(int x, int y) const
{
    return NearSegment(x, y, GetX(), GetY(), GetX2(), GetY2());
}

int TLine::GetCursor() const
{
    return crLine;
}

// The line dialog is not part of the editor yet: nothing to edit.
void TLine::Edit() {}

// Lines are not written to documents yet.
void TLine::SaveToStrings(QStringList &) const {}

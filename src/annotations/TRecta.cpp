#include "annotations/TRecta.h"

#include "annotations/FigureEdit.h"
#include "dialogs/DialogSet.h"
#include "page/TIsisGraph.h"
#include "data/DocumentWriter.h"
#include "page/PointerShapes.h"
#include "render/Canvas.h"

void TRecta::Draw(Canvas &canvas)
{
    if (!IsVisible())
        return;
    SetStyle(canvas);
    const int x1 = GetX(), y1 = GetY(), x2 = GetX2(), y2 = GetY2();
    if (!DrawFlat(canvas, x1, y1, x2, y2))
        canvas.Rectangle(x1, y1, x2, y2);
}

bool TRecta::HitTest(int x, int y) const
{
    const int x1 = GetX(), y1 = GetY(), x2 = GetX2(), y2 = GetY2();
    const bool inX = Between(x, x1, x2);
    const bool inY = Between(y, y1, y2);
    if (Remplissage && inX && inY)
        return true;
    const bool nearTopOrBottom = Between(y, y1, y1) || Between(y, y2, y2);
    const bool nearLeftOrRight = Between(x, x1, x1) || Between(x, x2, x2);
    return (inX && nearTopOrBottom) || (inY && nearLeftOrRight);
}

int TRecta::GetCursor() const
{
    return crRecta;
}

void TRecta::Edit()
{
    TFigureValues own;
    own.Remplissage = Remplissage;
    if (const auto v = EditFigure(*this, Page()->Dialogs().Get<TRectaDlg>(), own, 1))
        Remplissage = v->Remplissage;
}

void TRecta::SaveToStrings(DocumentWriter &out) const
{
    SaveShape(out, Keyword);
}

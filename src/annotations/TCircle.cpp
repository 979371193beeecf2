#include "annotations/TCircle.h"

#include "annotations/FigureEdit.h"
#include "dialogs/DialogSet.h"
#include "page/TIsisGraph.h"
#include "data/DocumentWriter.h"
#include "page/PointerShapes.h"
#include "render/Canvas.h"
#include <cmath>

void TCircle::Draw(Canvas &canvas)
{
    if (!IsVisible())
        return;
    SetStyle(canvas);
    const int x1 = GetX(), y1 = GetY(), x2 = GetX2(), y2 = GetY2();
    if (!DrawFlat(canvas, 2 * x1 - x2, 2 * y1 - y2, x2, y2))
        canvas.Ellipse(2 * x1 - x2, 2 * y1 - y2, x2, y2);
}

bool TCircle::HitTest(int x, int y) const
{
    const int x1 = GetX(), y1 = GetY(), x2 = GetX2(), y2 = GetY2();
    if (x1 == x2 || y1 == y2) {
        if (x1 == x2 && Between(x, x1, x1) && Between(y, y1, y2))
            return true;
        return y1 == y2 && Between(y, y1, y1) && Between(x, x1, x2);
    }
    const double w = Largeur;
    const double h = Hauteur;
    const double u = (x - x1) / w;
    const double v = (y - y1) / h;
    const double f = u * u + v * v - 1;
    if (Remplissage)
        return f <= 0;
    // First-order estimate of being within Tolerance of the outline.
    const double g = std::abs(x - x1) / (w * w) + std::abs(y - y1) / (h * h);
    const double band = 2 * Tolerance() * g;
    return -band < f && f < band;
}

int TCircle::GetCursor() const
{
    return crCircle;
}

void TCircle::Edit()
{
    TFigureValues own;
    own.Remplissage = Remplissage;
    if (const auto v = EditFigure(*this, Page()->Dialogs().Get<TCircleDlg>(), own, 2))
        Remplissage = v->Remplissage;
}

void TCircle::SaveToStrings(DocumentWriter &out) const
{
    SaveShape(out, Keyword);
}

void TCircle::DrawSelection(Canvas &screen, int offX, int offY) const
{
    const int x1 = GetX(), y1 = GetY(), x2 = GetX2(), y2 = GetY2();
    DrawFrame(screen, ScreenX(2 * x1 - x2) + offX, ScreenY(y2) + offY, ScreenX(x2) + offX,
              ScreenY(2 * y1 - y2) + offY);
    DrawMoveHandle(screen, ScreenX(x1) + offX, ScreenY(y1) + offY);
    DrawSizeHandle(screen, ScreenX(x2) + offX, ScreenY(y2) + offY);
}

void TCircle::DrawSizing(Canvas &screen, int offX, int offY) const
{
    const int cx = ScreenX(GetX()), cy = ScreenY(GetY());
    const int sx2 = ScreenX(GetX2()), sy2 = ScreenY(GetY2());
    DrawFrame(screen, 2 * cx - sx2 - offX, sy2 + offY, sx2 + offX, 2 * cy - sy2 - offY);
    DrawMoveHandle(screen, cx, cy);
    DrawSizeHandle(screen, sx2 + offX, sy2 + offY);
}

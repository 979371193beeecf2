#include "annotations/TextBox.h"

#include "annotations/TDessin.h"
#include "page/TIsisGraph.h"
#include <cmath>

bool TextBoxHit(const TDessin &d, int x0, int y0, int x, int y)
{
    const double t = d.Tolerance();
    return x0 - t < x && x < x0 + d.Largeur + t && y0 - d.Hauteur - t < y && y < y0 + t;
}

void DrawTextBoxSelection(const TDessin &d, Canvas &screen, int offX, int offY)
{
    const QPoint p = d.GetScreenPoint() + QPoint(offX, offY);
    const TIsisGraph *page = d.Page();
    const int w = int(std::nearbyint(page->Zoom() * double(d.Largeur) / page->Scale()));
    const int h = int(std::nearbyint(page->Zoom() * double(d.Hauteur) / page->Scale()));
    TDessin::DrawFrame(screen, p.x(), p.y() - h, p.x() + w, p.y());
    TDessin::DrawMoveHandle(screen, p.x(), p.y());
}

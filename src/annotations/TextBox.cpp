#include "annotations/TextBox.h"

#include "graphs/PageRound.h"
#include "page/TIsisGraph.h"

bool TTextBox::BoxHit(int x0, int y0, int x, int y) const
{
    const double t = Tolerance();
    return x0 - t < x && x < x0 + Largeur + t && y0 - Hauteur - t < y && y < y0 + t;
}

void TTextBox::DrawSelection(Canvas &screen, int offX, int offY) const
{
    const QPoint p = GetScreenPoint() + QPoint(offX, offY);
    const TIsisGraph *page = Page();
    const int w = RoundPage((page->Zoom() * double(Largeur) / page->Scale()));
    const int h = RoundPage((page->Zoom() * double(Hauteur) / page->Scale()));
    DrawFrame(screen, p.x(), p.y() - h, p.x() + w, p.y());
    DrawMoveHandle(screen, p.x(), p.y());
}

void TTextBox::ApplyDefaults()
{
    SetColor(Page()->DefColor);
    Font = Page()->DefFont;
}

void TTextBox::StoreDefaults()
{
    Page()->DefColor = GetColor();
    Page()->DefFont = Font;
}

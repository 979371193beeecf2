#include "annotations/TTexte.h"

#include "annotations/TextBox.h"
#include "page/PointerShapes.h"
#include "page/TIsisGraph.h"
#include "render/Canvas.h"

TTexte::TTexte(TAxe *owner) : TDessin(owner) {}

void TTexte::Draw(Canvas &canvas)
{
    if (!IsVisible())
        return;
    canvas.Font = Font;
    canvas.Font.Color = GetColor();
    canvas.Brush.Style = TBrushStyle::bsClear;
    const QSize extent = canvas.TextExtent(Texte);
    Hauteur = extent.height();
    Largeur = extent.width();
    canvas.TextOut(GetX(), GetY() - Hauteur, Texte);
}

bool TTexte::HitTest(int x, int y) const
{
    return TextBoxHit(*this, GetX(), GetY(), x, y);
}

int TTexte::GetCursor() const
{
    return crTexte;
}

// The text dialog is not part of the editor yet: nothing to edit.
void TTexte::Edit() {}

// Texts are not written to documents yet.
void TTexte::SaveToStrings(QStringList &) const {}

void TTexte::DrawSelection(Canvas &screen, int offX, int offY) const
{
    DrawTextBoxSelection(*this, screen, offX, offY);
}

// A text has no size handle, so it is never resized.
void TTexte::DrawSizing(Canvas &, int, int) const {}

QPoint TTexte::GetSizeHandle() const
{
    return QPoint(-1, -1);
}

void TTexte::ApplyDefaults()
{
    SetColor(Page()->DefColor);
    Font = Page()->DefFont;
}

void TTexte::StoreDefaults()
{
    Page()->DefColor = GetColor();
    Page()->DefFont = Font;
}

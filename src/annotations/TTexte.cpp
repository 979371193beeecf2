#include "annotations/TTexte.h"

#include "page/PointerShapes.h"
#include "render/Canvas.h"

TTexte::TTexte(TAxe *owner) : TTextBox(owner) {}

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
    return BoxHit(GetX(), GetY(), x, y);
}

int TTexte::GetCursor() const
{
    return crTexte;
}

// The text dialog is not part of the editor yet: nothing to edit.
void TTexte::Edit() {}

// Texts are not written to documents yet.
void TTexte::SaveToStrings(QStringList &) const {}

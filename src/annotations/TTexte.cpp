#include "annotations/TTexte.h"

#include "dialogs/DialogSet.h"
#include "dialogs/UTexteDlg.h"
#include "page/PointerShapes.h"
#include "page/TIsisGraph.h"
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

void TTexte::Edit()
{
    auto &dlg = Page()->Dialogs().Get<TTexteDlg>();
    FillDialog(dlg);
    dlg.Fill({Texte, GetColor(), Font});
    if (!RunDialog(dlg))
        return;
    ReadDialog(dlg);
    const TTexteValues v = dlg.Read();
    SetColor(v.Color);
    Font = v.Font;
    Font.Color = GetColor();
    Texte = v.Texte;
}

// Texts are not written to documents yet.
void TTexte::SaveToStrings(QStringList &) const {}

#include "annotations/TTexte.h"

#include "dialogs/DialogSet.h"
#include "dialogs/UTexteDlg.h"
#include "page/PointerShapes.h"
#include "page/TIsisGraph.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "page/PointerShapes.h"
#include "render/DocumentFont.h"
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

void TTexte::SaveToStrings(DocumentWriter &out) const
{
    out.WriteLine(Keyword);
    SaveCommon(out);
    out.WriteText(Texte);
    WriteFont(out, Font);
    out.WriteColor(GetColor());
}

void TTexte::LoadFromStrings(DocumentReader &in)
{
    LoadCommon(in);
    Texte = in.ReadText();
    ReadFont(in, Font);
    SetColor(in.ReadColor());
    Font.Color = GetColor();
}

#include "annotations/FigureEdit.h"
#include "annotations/TDessin.h"
#include "dialogs/SpinEdit.h"

std::optional<TFigureValues> EditFigure(TDessin &figure, TFigureDlg &dlg, TFigureValues own,
                                        int factor)
{
    figure.FillDialog(dlg);
    own.Hauteur = SaturatedInt(-1LL * figure.Hauteur * factor);
    own.Largeur = SaturatedInt(1LL * figure.Largeur * factor);
    own.Epais = figure.Epais;
    own.Color = figure.GetColor();
    dlg.Fill(own);
    if (!figure.RunDialog(dlg))
        return std::nullopt;
    figure.ReadDialog(dlg);
    const TFigureValues v = dlg.Read();
    figure.Hauteur = ClampPage(-1LL * (v.Hauteur / factor));
    figure.Largeur = ClampPage(v.Largeur / factor);
    figure.Epais = v.Epais;
    figure.SetColor(v.Color);
    return v;
}

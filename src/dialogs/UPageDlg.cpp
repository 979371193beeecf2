#include "dialogs/UPageDlg.h"

#include "dialogs/ColorSwatch.h"
#include "dialogs/SpinEdit.h"
#include "dialogs/UnitLabel.h"
#include <array>

namespace
{

const std::array<TControlRow, 6> rows{{
    {TControlKind::Text, "Label3", "Il est préférable de modifier la hauteur"},
    {TControlKind::Text, "Label4", "de chaque graphique"},
    {TControlKind::Spin, "SEHeight", "Hauteur :", nullptr, 200, 100000},
    {TControlKind::Spin, "SEWidth", "Largeur :", nullptr, 200, 100000},
    {TControlKind::Spin, "SEMarge", "Marge :", nullptr, 2, 40},
    {TControlKind::Color, "PColor", "Couleur de fond : "},
}};

} // namespace

TPageDlg::TPageDlg(QWidget *parent)
    : TDialogFrame("PageDlg", QStringLiteral("Définition de la page"), parent)
{
    AddRows(rows);
    AddUnitLabel(Control<TSpinEdit>("SEHeight"), QStringLiteral("points"));
    AddUnitLabel(Control<TSpinEdit>("SEWidth"), QStringLiteral("points"));
    AddUnitLabel(Control<TSpinEdit>("SEMarge"), QStringLiteral("%"));
    Fill({});
}

void TPageDlg::Fill(const TPageValues &values)
{
    Control<TSpinEdit>("SEHeight").SetValue(values.Height);
    Control<TSpinEdit>("SEWidth").SetValue(values.Width);
    Control<TSpinEdit>("SEMarge").SetValue(values.Marge);
    Control<TColorSwatch>("PColor").SetColor(values.BackColor);
}

TPageValues TPageDlg::Values() const
{
    return {Control<TSpinEdit>("SEHeight").Value(), Control<TSpinEdit>("SEWidth").Value(),
            Control<TSpinEdit>("SEMarge").Value(), Control<TColorSwatch>("PColor").Color()};
}

#include "dialogs/UCourbeDlg.h"

#include "dialogs/ColorSwatch.h"
#include "dialogs/SpinEdit.h"
#include <QLineEdit>
#include <array>

namespace
{

const std::array<TControlRow, 4> rows{{
    {TControlKind::Edit, "ENom", "Nom :"},
    {TControlKind::Edit, "EUnite", "Unité :"},
    {TControlKind::Spin, "SEEpais", "Epaisseur du trait :", nullptr, 1, 30},
    {TControlKind::Color, "PColor", "Couleur de la courbe :"},
}};

} // namespace

TCourbeDlg::TCourbeDlg(QWidget *parent)
    : TDialogFrame("CourbeDlg", QStringLiteral("Definition de la courbe"), parent)
{
    AddRows(rows);
}

void TCourbeDlg::Fill(const TCourbeValues &values)
{
    Control<QLineEdit>("ENom").setText(values.Nom);
    Control<QLineEdit>("EUnite").setText(values.Unite);
    Control<TSpinEdit>("SEEpais").SetValue(values.Epais);
    Control<TColorSwatch>("PColor").SetColor(values.Color);
}

TCourbeValues TCourbeDlg::Values() const
{
    return {Control<QLineEdit>("ENom").text(), Control<QLineEdit>("EUnite").text(),
            Control<TSpinEdit>("SEEpais").Value(), Control<TColorSwatch>("PColor").Color()};
}

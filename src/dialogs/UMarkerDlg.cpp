#include "dialogs/UMarkerDlg.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/SpinEdit.h"
#include <array>

namespace
{

const std::array<TControlRow, 2> aspectRows{{
    {TControlKind::Color, "PColor", "Couleur :"},
    {TControlKind::Spin, "SEEpais", "Epaisseur du trait :", nullptr, 1, 30},
}};

} // namespace

TMarkerDlg::TMarkerDlg(const char *name, const QString &caption, const char *label,
                       const char *edit, QWidget *parent)
    : TDessinDlg(name, caption, parent)
{
    AddOwnTab("TSAspect", QStringLiteral("Aspect"), aspectRows);
    KeepOnlyReferenceEdit(label, edit);
}

void TMarkerDlg::Fill(const TMarkerValues &values)
{
    SetReferenceText(values.RefX, values.RefY);
    Control<TSpinEdit>("SEEpais").SetValue(values.Epais);
    Control<TColorSwatch>("PColor").SetColor(values.Color);
}

TMarkerValues TMarkerDlg::Read() const
{
    return {RefXValue(), RefYValue(), Control<TSpinEdit>("SEEpais").Value(),
            Control<TColorSwatch>("PColor").Color()};
}

THMarkerDlg::THMarkerDlg(QWidget *parent)
    : TMarkerDlg("THMarkerDlg", QStringLiteral("Définition du marqueur horizontal"), "Label2", "EY",
                 parent)
{
}

TVMarkerDlg::TVMarkerDlg(QWidget *parent)
    : TMarkerDlg("TVMarkerDlg", QStringLiteral("Définition du marqueur vertical"), "Label1", "EX",
                 parent)
{
}

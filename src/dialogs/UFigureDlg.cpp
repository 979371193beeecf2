#include "dialogs/UFigureDlg.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/SpinEdit.h"
#include <QCheckBox>
#include <array>

namespace
{

const std::array<TControlRow, 2> dimensionRows{{
    {TControlKind::Spin, "SEHauteur", "Hauteur :"},
    {TControlKind::Spin, "SELargeur", "Largeur :"},
}};

// clang-format off
const std::array<TControlRow, 2> lineRows{{
    {TControlKind::Color, "PColor", "Couleur :"},
    {TControlKind::Spin, "SEEpais", "Epaisseur du trait :", nullptr, 1, 30},
}};
const std::array<TControlRow, 4> arrowRows{{
    lineRows[0], lineRows[1],
    {TControlKind::Spin, "SEHA", "Taille de la flèche :"},
    {TControlKind::Check, "CBDouble", "Flèche double"},
}};
const std::array<TControlRow, 3> fillRows{{
    lineRows[0], lineRows[1],
    {TControlKind::Check, "CBRemplissage", "Remplir"},
}};
// clang-format on

} // namespace

TFigureDlg::TFigureDlg(const char *name, const QString &caption, const char *dimensionTab,
                       std::span<const TControlRow> aspectRows, QWidget *parent)
    : TDessinDlg(name, caption, parent)
{
    AddOwnTab("TSAspect", QStringLiteral("Aspect"), aspectRows);
    AddOwnTab(dimensionTab, QStringLiteral("Dimension"), dimensionRows);
}

void TFigureDlg::Fill(const TFigureValues &values)
{
    Control<TSpinEdit>("SEHauteur").SetValue(values.Hauteur);
    Control<TSpinEdit>("SELargeur").SetValue(values.Largeur);
    Control<TSpinEdit>("SEEpais").SetValue(values.Epais);
    Control<TColorSwatch>("PColor").SetColor(values.Color);
    if (auto *size = findChild<TSpinEdit *>(QStringLiteral("SEHA")))
        size->SetValue(values.ArrowSize);
    if (auto *both = findChild<QCheckBox *>(QStringLiteral("CBDouble")))
        both->setChecked(values.DoubleArrow);
    if (auto *fill = findChild<QCheckBox *>(QStringLiteral("CBRemplissage")))
        fill->setChecked(values.Remplissage);
}

TFigureValues TFigureDlg::Read() const
{
    TFigureValues values{Control<TSpinEdit>("SEHauteur").Value(),
                         Control<TSpinEdit>("SELargeur").Value(),
                         Control<TSpinEdit>("SEEpais").Value(),
                         Control<TColorSwatch>("PColor").Color()};
    if (auto *size = findChild<TSpinEdit *>(QStringLiteral("SEHA")))
        values.ArrowSize = size->Value();
    if (auto *both = findChild<QCheckBox *>(QStringLiteral("CBDouble")))
        values.DoubleArrow = both->isChecked();
    if (auto *fill = findChild<QCheckBox *>(QStringLiteral("CBRemplissage")))
        values.Remplissage = fill->isChecked();
    return values;
}

TLineDlg::TLineDlg(QWidget *parent)
    : TFigureDlg("TLineDlg", QStringLiteral("Définition de ligne"), "TSDim", lineRows, parent)
{
}

TArrowDlg::TArrowDlg(QWidget *parent)
    : TFigureDlg("TArrowDlg", QStringLiteral("Définition de flèche"), "TSDim", arrowRows, parent)
{
}

TRectaDlg::TRectaDlg(QWidget *parent)
    : TFigureDlg("TRectaDlg", QStringLiteral("Définition du rectangle"), "TSDimension", fillRows,
                 parent)
{
}

TCircleDlg::TCircleDlg(QWidget *parent)
    : TFigureDlg("TCircleDlg", QStringLiteral("Définition du cercle"), "TSDimension", fillRows,
                 parent)
{
}

#include "dialogs/ULegendeDlg.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/Prompts.h"
#include "dialogs/SpinEdit.h"
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace
{

// clang-format off
const std::array<TControlRow, 7> legendeRows{{
    {TControlKind::Edit, "ENom", "Nom :", "Label2"},
    {TControlKind::Edit, "EUnite", "Unité :", "Label3"},
    {TControlKind::Button, "BFont", "Modifier la fonte"},
    {TControlKind::Color, "PColor", "Couleur de la courbe", "Label4"},
    {TControlKind::Text, "Label1", "Décalage par rapport au point de référence"},
    {TControlKind::Spin, "SEXDec", "DX :", "Label5"},
    {TControlKind::Spin, "SEYDec", "DY :", "Label6"},
}};
// clang-format on

} // namespace

TLegendeDlg::TLegendeDlg(QWidget *parent)
    : TDialogFrame("TLegendeDlg", QStringLiteral("Definition de la legende"), parent)
{
    AddRows(legendeRows);
    connect(&Control<QPushButton>("BFont"), &QPushButton::clicked, this,
            &TLegendeDlg::BFontClick);
}

void TLegendeDlg::Fill(const TLegendeValues &values, int width, int height)
{
    m_workFont = values.Font;
    Control<QLineEdit>("ENom").setText(values.Nom);
    Control<QLineEdit>("EUnite").setText(values.Unite);
    auto &xDec = Control<TSpinEdit>("SEXDec");
    xDec.SetLimits(0, width);
    xDec.SetValue(values.DX);
    auto &yDec = Control<TSpinEdit>("SEYDec");
    yDec.SetLimits(0, height);
    yDec.SetValue(values.DY);
    Control<TColorSwatch>("PColor").SetColor(values.Color);
}

TLegendeValues TLegendeDlg::Read() const
{
    return {Control<QLineEdit>("ENom").text(),
            Control<QLineEdit>("EUnite").text(),
            m_workFont,
            Control<TColorSwatch>("PColor").Color(),
            Control<TSpinEdit>("SEXDec").Value(),
            Control<TSpinEdit>("SEYDec").Value()};
}

void TLegendeDlg::BFontClick()
{
    prompts().ChooseFont(this, m_workFont);
}

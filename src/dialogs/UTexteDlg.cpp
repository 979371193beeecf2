#include "dialogs/UTexteDlg.h"
#include "dialogs/ColorSwatch.h"
#include "dialogs/Prompts.h"
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace
{

const std::array<TControlRow, 3> texteRows{{
    {TControlKind::Edit, "ETexte", ""},
    {TControlKind::Color, "PColor", "Couleur du texte :"},
    {TControlKind::Button, "BFont", "Fonte du texte"},
}};

} // namespace

TTexteDlg::TTexteDlg(QWidget *parent)
    : TDessinDlg("TTexteDlg", QStringLiteral("Définition du texte"), parent)
{
    AddOwnTab("TSText", QStringLiteral("Texte"), texteRows);
    Control<QLineEdit>("ETexte").setMinimumWidth(240);
    m_color = &Control<TColorSwatch>("PColor");
    connect(m_color, &TColorSwatch::ColorChosen, this, &TTexteDlg::PColorClick);
    connect(&Control<QPushButton>("BFont"), &QPushButton::clicked, this, &TTexteDlg::BFontClick);
}

void TTexteDlg::Fill(const TTexteValues &values)
{
    m_workFont = values.Font;
    Control<QLineEdit>("ETexte").setText(values.Texte);
    m_color->SetColor(values.Color);
}

TTexteValues TTexteDlg::Read() const
{
    return {Control<QLineEdit>("ETexte").text(), m_color->Color(), m_workFont};
}

void TTexteDlg::PColorClick(TColor color)
{
    m_workFont.Color = color;
}

void TTexteDlg::BFontClick()
{
    if (prompts().ChooseFont(this, m_workFont))
        m_color->SetColor(m_workFont.Color);
}

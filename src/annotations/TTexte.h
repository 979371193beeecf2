#pragma once
// A free line of text typed by the user, its lower-left corner at the anchor.
// Its size is measured at each drawing and kept in Largeur and Hauteur.
#include "annotations/TextBox.h"
#include <QString>

class TTexte : public TTextBox
{
public:
    explicit TTexte(TAxe *owner);

    static constexpr std::string_view Keyword = "Texte";
    QString Designation() const override { return QStringLiteral("le texte"); }

    QString Texte;

    void Draw(Canvas &canvas) override;
    // Inside the text box measured by the last Draw, within Tolerance.
    bool HitTest(int x, int y) const override;
    int GetCursor() const override;
    void Edit() override;
    void SaveToStrings(DocumentWriter &out) const override;
    // The lines after the keyword; the font takes the text's colour.
    void LoadFromStrings(DocumentReader &in);
};

#pragma once
// "Définition du texte": the text, its colour and its font, over the
// reference tab.
#include "dialogs/UDessinDlg.h"
#include "render/TFont.h"

struct TTexteValues {
    QString Texte;
    TColor Color = clBlack;
    TFont Font;
};

class TColorSwatch;

class TTexteDlg : public TDessinDlg
{
    Q_OBJECT
public:
    explicit TTexteDlg(QWidget *parent = nullptr);

    void Fill(const TTexteValues &values);
    TTexteValues Read() const;

private:
    void PColorClick(TColor color);
    void BFontClick();

    TColorSwatch *m_color = nullptr;
    TFont m_workFont;
};

#pragma once
// "Definition de la legende": the series' name, unit and colour, the legend's
// font and its offsets from the graph's lower-left corner, which stay within
// the graph.
#include "dialogs/DialogFrame.h"
#include "render/TFont.h"

struct TLegendeValues {
    QString Nom;
    QString Unite;
    TFont Font;
    TColor Color = clBlack;
    int DX = 0;
    int DY = 0;
};

class TLegendeDlg : public TDialogFrame
{
    Q_OBJECT
public:
    explicit TLegendeDlg(QWidget *parent = nullptr);

    // The offsets are limited to 0 .. width and 0 .. height of the graph.
    void Fill(const TLegendeValues &values, int width, int height);
    TLegendeValues Read() const;

private:
    void BFontClick();

    TFont m_workFont;
};

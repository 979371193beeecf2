#pragma once
// The dialogs of the two-point figures: "Définition de ligne", "Définition
// de flèche", "Définition du rectangle" and "Définition du cercle". Each has
// an "Aspect" tab (shown first) and a dimension tab over the reference tab.
// The dialog shows the fields as the user reads them; the figure converts
// (height upward, circle diameters).
#include "data/TColor.h"
#include "dialogs/UDessinDlg.h"

struct TFigureValues {
    int Hauteur = 0; // SEHauteur
    int Largeur = 0; // SELargeur
    int Epais = 1;
    TColor Color = clBlack;
    int ArrowSize = 1;        // arrows only
    bool DoubleArrow = false; // arrows only
    bool Remplissage = false; // rectangles and circles only
};

class TColorSwatch;

class TFigureDlg : public TDessinDlg
{
    Q_OBJECT
public:
    void Fill(const TFigureValues &values);
    TFigureValues Read() const;

protected:
    TFigureDlg(const char *name, const QString &caption, const char *dimensionTab,
               std::span<const TControlRow> aspectRows, QWidget *parent);
};

class TLineDlg : public TFigureDlg
{
    Q_OBJECT
public:
    explicit TLineDlg(QWidget *parent = nullptr);
};

class TArrowDlg : public TFigureDlg
{
    Q_OBJECT
public:
    explicit TArrowDlg(QWidget *parent = nullptr);
};

class TRectaDlg : public TFigureDlg
{
    Q_OBJECT
public:
    explicit TRectaDlg(QWidget *parent = nullptr);
};

class TCircleDlg : public TFigureDlg
{
    Q_OBJECT
public:
    explicit TCircleDlg(QWidget *parent = nullptr);
};

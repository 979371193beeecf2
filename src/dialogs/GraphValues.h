#pragma once
// What the page, graph and curve dialogs show and give back: plain values,
// filled by the edited object and read back on OK.
#include "data/TColor.h"
#include "data/TSeriesSet.h"
#include "render/TFont.h"
#include <QString>

struct TPageValues {
    int Height = 2000;
    int Width = 3000;
    int Marge = 5; // percent
    TColor BackColor = clWhite;
};

struct TCourbeValues {
    QString Nom;
    QString Unite;
    int Epais = 4;
    TColor Color = clBlack;
};

// The styling both graph kinds share, with the frame size.
struct TGraphStyle {
    TColor ColorAxe = clBlack;
    int EpaisAxe = 2;
    TFont FontGrad;
    TColor ColorQuadri = clSilver;
    int EpaisQuadri = 1;
    int Height = 0;
    int Width = 0;
};

// One axis of an XY graph: its limits, its graduation step and whether its
// scale is logarithmic.
struct TAxisValues {
    double Min = 0;
    double Max = 0;
    double Pas = 0;
    bool PasAuto = true;
    bool Log = false;
};

struct TMathValues {
    int AxeX = 0;
    TAxisValues X;
    TAxisValues Y;
    TSeriesSet Affiches;
    bool QuadriHor = true;
    bool QuadriVer = true;
    TGraphStyle Style;
};

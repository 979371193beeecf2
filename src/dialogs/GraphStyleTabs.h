#pragma once
// The "Quadrillage" and "Hauteur" tabs that the XY and the oscilloscope graph
// dialogs share: axis and grid styling, the graduation font (a private copy
// that "Fonte des graduation" edits) and the frame size.
#include "dialogs/GraphValues.h"

class TDialogFrame;

class TGraphStyleTabs
{
public:
    // The XY dialog adds the two grid boxes and an editable height; the
    // screen's height follows its width and is only shown.
    enum class Kind { Math, Osc };
    TGraphStyleTabs(TDialogFrame &dialog, Kind kind);
    TGraphStyleTabs(const TGraphStyleTabs &) = delete;
    TGraphStyleTabs &operator=(const TGraphStyleTabs &) = delete;

    void Fill(const TGraphStyle &style);
    TGraphStyle Read() const;

private:
    void addQuadrillageTab(Kind kind);
    void addHauteurTab(Kind kind);

    TDialogFrame &m_dialog;
    TFont m_font;
};

#pragma once
// The property dialog of a two-point figure (line, arrow, rectangle, circle).
// The dialog shows the height counted upward and both dimensions multiplied
// by factor (2 shows a circle's diameters; reading back divides, truncating).
#include "dialogs/UFigureDlg.h"
#include <optional>

class TDessin;

// Fills the reference tab and the fields (the kind's own ones preset in
// own), shows the dialog, and on OK applies the reference tab, dimensions,
// thickness and colour and returns the fields for the kind's own.
std::optional<TFigureValues> EditFigure(TDessin &figure, TFigureDlg &dlg, TFigureValues own,
                                        int factor);

#pragma once
// A closed shape outlined with the pen and, when Remplissage is set, filled
// with its own colour: rectangles and ellipses. Fill joins the style it
// exchanges with the page.
#include "annotations/TDessin.h"

class TFilledShape : public TDessin
{
public:
    // The fill flag from the page's current style.
    explicit TFilledShape(TAxe *owner);

    bool Remplissage = false;

    void ApplyDefaults() override;
    void StoreDefaults() override;
    // The lines after the keyword.
    void LoadFromStrings(DocumentReader &in);

protected:
    // Pen and brush for drawing the shape.
    void SetStyle(Canvas &canvas) const;
    // A box of no width or no height (not both) is the line between its
    // corners: draws it with the pen and returns true.
    static bool DrawFlat(Canvas &canvas, int x1, int y1, int x2, int y2);
    // The document block: keyword, common lines, Epais, Remplissage, colour.
    void SaveShape(DocumentWriter &out, std::string_view keyword) const;
};

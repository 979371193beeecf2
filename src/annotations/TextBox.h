#pragma once
// A one-line text annotation: its lower-left corner is the anchor, its size
// the one measured by the last drawing. Its style is the page's colour and
// font; it has no size handle, so it is never resized.
#include "annotations/TDessin.h"

class TTextBox : public TDessin
{
public:
    using TDessin::TDessin;

    // The red outline of the box on the screen and the move handle at its
    // anchor, shifted by the drag offset.
    void DrawSelection(Canvas &screen, int offX, int offY) const override;
    void DrawSizing(Canvas &, int, int) const override {}
    QPoint GetSizeHandle() const override { return QPoint(-1, -1); }
    void ApplyDefaults() override;
    void StoreDefaults() override;

protected:
    // Whether the page point lies in the box anchored at (x0, y0), widened by
    // Tolerance on every side.
    bool BoxHit(int x0, int y0, int x, int y) const;
};

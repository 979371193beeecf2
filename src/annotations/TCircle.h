#pragma once
// An axis-parallel ellipse centred on the anchor, the second point being a
// corner of its bounding box: half-axes |Largeur| and |Hauteur|.
#include "annotations/FilledShape.h"

class TCircle : public TFilledShape
{
public:
    using TFilledShape::TFilledShape;

    static constexpr std::string_view Keyword = "Cercle";
    QString Designation() const override { return QStringLiteral("le cercle"); }

    void Draw(Canvas &canvas) override;
    // Filled: inside or on the outline. Hollow: within about Tolerance of
    // the outline. A flat ellipse is hit along its centre-to-corner segment.
    bool HitTest(int x, int y) const override;
    int GetCursor() const override;
    void Edit() override;
    void SaveToStrings(DocumentWriter &out) const override;
    // The bounding box, centred on the move handle.
    void DrawSelection(Canvas &screen, int offX, int offY) const override;
    // The bounding box grows symmetrically about the fixed centre.
    void DrawSizing(Canvas &screen, int offX, int offY) const override;
};

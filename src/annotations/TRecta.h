#pragma once
// An axis-parallel rectangle with the anchor and the second point as
// opposite corners.
#include "annotations/FilledShape.h"

class TRecta : public TFilledShape
{
public:
    using TFilledShape::TFilledShape;

    static constexpr std::string_view Keyword = "Rectangle";
    QString Designation() const override { return QStringLiteral("le rectangle"); }

    void Draw(Canvas &canvas) override;
    // Near an edge, within Tolerance; anywhere inside as well when filled.
    bool HitTest(int x, int y) const override;
    int GetCursor() const override;
    void Edit() override;
    void SaveToStrings(DocumentWriter &out) const override;
};

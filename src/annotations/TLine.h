#pragma once
// A straight segment from the anchor to the second point.
#include "annotations/TDessin.h"

class TLine : public TDessin
{
public:
    using TDessin::TDessin;

    void Draw(Canvas &canvas) override;
    // Near the segment, within Tolerance.
    bool HitTest(int x, int y) const override;
    int GetCursor() const override;
    void Edit() override;
    void SaveToStrings(QStringList &lines) const override;
};

#pragma once
// A straight segment from the anchor to the second point.
#include "annotations/TDessin.h"

class TLine : public TDessin
{
public:
    using TDessin::TDessin;

    static constexpr std::string_view Keyword = "Ligne";
    QString Designation() const override { return QStringLiteral("la ligne"); }

    void Draw(Canvas &canvas) override;
    // Near the segment, within Tolerance.
    bool HitTest(int x, int y) const override;
    int GetCursor() const override;
    void Edit() override;
    void SaveToStrings(DocumentWriter &out) const override;
    // The lines after the keyword.
    void LoadFromStrings(DocumentReader &in);
};

#pragma once
// A segment with a filled, barbed head at the anchor (where the drag began)
// and, for a double arrow, a second head at the other end.
#include "annotations/TDessin.h"
#include <QPoint>
#include <array>

class TArrow : public TDessin
{
public:
    // Head size and double flag from the page's current style.
    explicit TArrow(TAxe *owner);

    static constexpr std::string_view Keyword = "Fleche";
    QString Designation() const override { return QStringLiteral("la flèche"); }

    int ArrowSize = 40; // head length along the shaft, page units
    bool DoubleArrow = false;

    // Offsets from the tip of the head at the anchor, for a shaft of
    // direction (dx, dy) and a head length l: one barb, the notch, the other
    // barb. The head at the second point uses them negated.
    static std::array<QPoint, 3> HeadOffsets(int dx, int dy, int l);

    void Draw(Canvas &canvas) override;
    // Near the shaft, within Tolerance; the heads are not tested.
    bool HitTest(int x, int y) const override;
    int GetCursor() const override;
    void Edit() override;
    void SaveToStrings(DocumentWriter &out) const override;
    // The lines after the keyword.
    void LoadFromStrings(DocumentReader &in);
    void ApplyDefaults() override;
    void StoreDefaults() override;
};

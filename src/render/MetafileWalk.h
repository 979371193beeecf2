#pragma once
// Walks a page picture in the object model both Windows metafile formats
// share: pens, brushes and fonts are objects created in numbered slots,
// selected, and deleted once replaced; drawing records use the objects
// selected. A writer turns each call into its format's record; the walk
// decides which calls, so the two formats always carry the same drawing.
//
// The walk follows the page's drawing model, which is the metafiles' own:
// - coordinates are page units as recorded, which each writer maps to
//   its own logical units;
// - Rectangle and Ellipse get left < right and top < bottom, right and
//   bottom excluded; empty ones are skipped;
// - connected lines in one style come as one Polyline;
// - a pen is selected before every shape, a brush (a null brush when
//   clear, the format's stock one where it has one) before every filled
//   shape: Rectangle, Ellipse and Polygon;
// - text comes at its baseline (the writer sets baseline alignment and a
//   transparent background once): a solid brush first fills the text cell
//   with a Rectangle, then the font is selected and the text colour set.
//   Advances holds each character's advance in page units (0 after the
//   first half of a surrogate pair), so readers can keep the page's layout.
#include "data/TColor.h"
#include "render/Canvas.h"
#include <QPoint>
#include <QStringView>
#include <span>

class PagePicture;

// A font object's fields as both formats store them. The height is negative:
// the em height, which is what the page's point size means (a positive
// height would be the cell's and give smaller text).
struct TLogFont {
    int Height = 0;
    int Weight = 400;
    std::uint8_t Italic = 0;
    std::uint8_t Underline = 0;
    std::uint8_t StrikeOut = 0;
    QString FaceName; // at most 31 characters
};
// scale: metafile units per page unit.
TLogFont LogFont(const TFont &font, double scale);

class MetafileRecords
{
public:
    virtual ~MetafileRecords() = default;

    virtual void CreatePen(int slot, const TPen &pen) = 0;
    virtual void CreateBrush(int slot, const TBrush &brush) = 0;
    // Selects the format's own null brush, when it has one; false when not
    // (a clear brush is then created like any other).
    virtual bool SelectNullBrush() { return false; }
    // Font.Color is not part of a font object: SetTextColor carries it.
    virtual void CreateFont(int slot, const TFont &font) = 0;
    virtual void SelectObject(int slot) = 0;
    virtual void DeleteObject(int slot) = 0;
    virtual void SetTextColor(TColor color) = 0;

    virtual void Polyline(std::span<const QPoint> points) = 0;
    virtual void Polygon(std::span<const QPoint> points) = 0;
    // Start point, then three points per cubic piece.
    virtual void PolyBezier(std::span<const QPoint> points) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Whether TextOut takes the characters' advances; empty when not.
    virtual bool TakesAdvances() const { return true; }
    virtual void TextOut(QPoint baseline, QStringView text, std::span<const int> advances) = 0;
};

// Emits the picture's drawing into out, with object slots numbered from
// firstSlot, always the lowest free one. Returns how many slots the
// drawing needs at most (the size of the reader's object table).
int WalkPicture(const PagePicture &picture, MetafileRecords &out, int firstSlot);

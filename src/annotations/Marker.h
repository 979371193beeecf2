#pragma once
// A line across the whole plotting range of a graph marking one axis value,
// kept in graph values (RefY for a horizontal marker, RefX for a vertical
// one) so that it follows the scales. Markers are always anchored; moving
// one changes the marked value, and it has no size handle.
#include "annotations/TDessin.h"
#include "dialogs/UMarkerDlg.h"
#include <QLine>
#include <optional>

class TMarker : public TDessin
{
public:
    explicit TMarker(TAxe *owner);

    // Read from and written to documents unchanged; -1 on creation.
    int Reserved = -1;

    TMarker *AsMarker() override { return this; }
    // The marked value: the level of a horizontal marker, the position of a
    // vertical one.
    virtual double MarkedValue() const = 0;
    virtual void SetMarkedValue(double v) = 0;
    // The marked value once the graph is given its height again, as
    // stacking the page's graphs does: a horizontal marker settles on the
    // level of its page position, a vertical one keeps its value.
    virtual double StackedValue() const = 0;

    void Draw(Canvas &canvas) override;
    // Near the marker line, within Tolerance.
    bool HitTest(int x, int y) const override;
    void DrawSizing(Canvas &, int, int) const override {}
    QPoint GetSizeHandle() const override { return QPoint(-1, -1); }

protected:
    // The marker line in page units, from its first end to its second.
    virtual QLine MarkerLine() const = 0;
    // Shows the dialog with the marked values; on OK applies thickness and
    // colour and returns the fields for the marked value.
    std::optional<TMarkerValues> RunMarkerDialog(TMarkerDlg &dlg);
    // The document block: keyword, common lines, the marked value again,
    // Epais, colour, Reserved. Reading returns the marked value.
    void SaveMarker(DocumentWriter &out, std::string_view keyword, double value) const;
    double LoadMarker(DocumentReader &in);
};

// Marks the level RefY from the right end of the X scale to its left end.
class THMarker : public TMarker
{
public:
    using TMarker::TMarker;

    static constexpr std::string_view Keyword = "HMarker";
    double MarkedValue() const override { return RefY; }
    void SetMarkedValue(double v) override { RefY = v; }
    double StackedValue() const override { return PageToY(YToPage(RefY)); }
    QString Designation() const override { return QStringLiteral("le marqueur horizontal"); }

    int GetCursor() const override;
    void Edit() override;
    void SaveToStrings(DocumentWriter &out) const override;
    // The lines after the keyword; the marked value's own line prevails.
    void LoadFromStrings(DocumentReader &in);
    // No horizontal move.
    void SetDX(int) override {}
    // Moves the level by v page units upward.
    void SetDY(int v) override;
    // The middle of the line.
    int GetX() const override;
    int GetY() const override;
    bool IsVisible() const override;
    // A red line over the marker following the vertical drag only.
    void DrawSelection(Canvas &screen, int offX, int offY) const override;

protected:
    QLine MarkerLine() const override;
};

// Marks the position RefX from the top of the Y scale to its bottom.
class TVMarker : public TMarker
{
public:
    using TMarker::TMarker;

    static constexpr std::string_view Keyword = "VMarker";
    double MarkedValue() const override { return RefX; }
    void SetMarkedValue(double v) override { RefX = v; }
    double StackedValue() const override { return RefX; }
    QString Designation() const override { return QStringLiteral("le marqueur vertical"); }

    int GetCursor() const override;
    void Edit() override;
    void SaveToStrings(DocumentWriter &out) const override;
    // The lines after the keyword; the marked value's own line prevails.
    void LoadFromStrings(DocumentReader &in);
    // Moves the position by v page units to the right.
    void SetDX(int v) override;
    // No vertical move.
    void SetDY(int) override {}
    int GetX() const override;
    // The middle of the line.
    int GetY() const override;
    bool IsVisible() const override;
    // A red line over the marker following the horizontal drag only.
    void DrawSelection(Canvas &screen, int offX, int offY) const override;

protected:
    QLine MarkerLine() const override;
};

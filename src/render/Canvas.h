#pragma once
// The drawing surface every graph, curve and annotation draws through, in
// page units, following the Windows drawing model: shapes are outlined with
// the pen and filled with the brush unless the brush is clear; a pen of
// width w draws lines w units wide with round ends and joins.
#include "render/TFont.h"
#include <QPoint>
#include <QSize>
#include <QString>
#include <span>

enum class TBrushStyle : std::uint8_t { bsSolid, bsClear };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    bool operator==(const TPen &) const = default;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;
    bool operator==(const TBrush &) const = default;
};

class Canvas
{
public:
    virtual ~Canvas() = default;

    // Current style: plain state, read by each drawing call.
    TPen Pen;
    TBrush Brush;
    TFont Font;

    QPoint PenPos() const { return m_penPos; }
    void MoveTo(int x, int y) { m_penPos = QPoint(x, y); }
    // Line from the current position to (x, y), which becomes current.
    virtual void LineTo(int x, int y) = 0;
    // Open polyline through the points; the last point becomes current.
    virtual void Polyline(std::span<const QPoint> points) = 0;
    virtual void Rectangle(int x1, int y1, int x2, int y2) = 0;
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    virtual void Polygon(std::span<const QPoint> points) = 0;
    // Cubic Bézier pieces: start point, then three points per piece.
    virtual void PolyBezier(std::span<const QPoint> points) = 0;
    // Text with the top-left of its cell at (x, y), in Font.
    virtual void TextOut(int x, int y, const QString &text) = 0;
    // Width and height of the text's cell in Font, in page units.
    virtual QSize TextExtent(const QString &text) const = 0;

protected:
    void setPenPos(QPoint p) { m_penPos = p; }

private:
    QPoint m_penPos;
};

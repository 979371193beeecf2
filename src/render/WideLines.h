#pragma once
// Wide polylines on raster devices, at a cost that grows with what is drawn.
//
// A pen wider than a pixel with round ends and joins covers the union of one
// disc per vertex and one flat-ended band per segment. The raster engine
// strokes a long self-crossing polyline in time that grows with how often
// its outline crosses itself (minutes for a dense curve), while bands and
// discs drawn one by one cost what they cover: bands go through the engine's
// line rasteriser, discs are stamped from small images made once per
// sub-pixel position.
#include <QColor>
#include <QPoint>
#include <span>

class QPainter;

struct TWidePen {
    QColor Color;
    // Width along the painter's transform: page units, or device pixels for
    // a cosmetic pen.
    double Width = 1;
    bool Cosmetic = false;
    // Device pixels the disc at each vertex spans.
    double DeviceWidth = 1;
};

// Strokes the polyline through pts with the painter's transform, clip and
// antialiasing setting; the painter's pen and brush are left changed.
void StrokeWidePolyline(QPainter &painter, std::span<const QPoint> pts, const TWidePen &pen);

#pragma once
// Draws a page picture on any QPainter, its page (0, 0)-(MFWidth, MFHeight)
// stretched onto a target rectangle, following the Windows drawing model:
// - page unit (x, y) is the cell [x, x+1) x [y, y+1); lines run through cell
//   centres, so at 1:1 a thin line covers exactly one row of pixels;
// - Rectangle and Ellipse cover x1..x2-1, y1..y2-1 (right and bottom edges
//   excluded), outlined with the pen and filled with the brush unless clear;
// - Polygon is outlined and filled (odd-even rule); Polyline, Line and
//   PolyBezier only stroke;
// - pen width 0 or 1 is thin; a pen of width w draws w units wide with round
//   ends and joins; a pen never gets thinner than one device pixel;
// - Text puts the top-left of its cell at the point, in the font's colour,
//   on a cell filled with the brush unless the brush is clear.
// Connected runs of lines in one style are drawn as one polyline, so vector
// backends get one element per run, not one per segment.
//
// Exact replay (files) draws every width as it is, antialiased. Whole-pixel
// replay (the screen) draws as a screen device context did: lines and shape
// outlines are a whole number of pixels wide, at least one, and cover whole
// pixels, so a thin line never fades between two rows; texts stay smooth.
// Pixels are those the painter addresses without its transform.
#include <QRectF>
#include <functional>

class QPainter;
class PagePicture;

enum class TReplayPixels { Exact, Whole };

void ReplayPicture(QPainter &painter, const PagePicture &picture, const QRectF &target,
                   TReplayPixels pixels = TReplayPixels::Exact);

// An exact replay spread over several paint devices, one after the other:
// after at least `recordsPerDevice` records, just before a drawing that starts
// by handing the painter's changed state to its engine, the painter is ended
// on its device and `nextDevice` begins it on the next one, painted with the
// page's background. The replay then goes on with the same pen, brush, font
// and transform, so each device gets a whole stretch of the drawing.
// Returns false when `nextDevice` does.
struct TReplayDevices {
    int RecordsPerDevice;
    std::function<bool(QPainter &)> NextDevice;
};

bool ReplayPictureOnDevices(QPainter &painter, const PagePicture &picture, const QRectF &target,
                            const TReplayDevices &devices);

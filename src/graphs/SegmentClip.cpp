#include "graphs/SegmentClip.h"

#include <algorithm>
#include <utility>

namespace
{

// The segment lies wholly beside the scale, its ends in either order. A
// horizontal segment is never rejected on Y: the clipped conversion lays it
// on the margin line.
bool outside(const TScaleRect &r, double x1, double y1, double x2, double y2)
{
    if (r.XMin > std::max(x1, x2) || r.XMax < std::min(x1, x2))
        return true;
    if (y1 < y2)
        return r.YMin > y2 || r.YMax < y1;
    if (y1 > y2)
        return r.YMin > y1 || r.YMax < y2;
    return false;
}

// Exactly one of the two ends lies above v: v is strictly between them.
bool separates(double v, double a, double b)
{
    return (v > a) != (v > b);
}

} // namespace

bool ClipSegment(const TScaleRect &r, double &x1, double &y1, double &x2, double &y2)
{
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    if (outside(r, x1, y1, x2, y2))
        return false;
    if (x1 == x2)
        return !(r.XMin > x1 || r.XMax < x1);

    const double a = (y2 - y1) / (x2 - x1);
    const double b = y1 - a * x1;
    const double yl = a * r.XMin + b;
    if (separates(yl, y1, y2)) {
        x1 = r.XMin;
        y1 = yl;
    }
    const double yr = a * r.XMax + b;
    if (separates(yr, y1, y2)) {
        x2 = r.XMax;
        y2 = yr;
    }
    if (a != 0) {
        if (y1 > y2) {
            std::swap(x1, x2);
            std::swap(y1, y2);
        }
        const double xb = (r.YMin - b) / a;
        if (separates(xb, x1, x2)) {
            x1 = xb;
            y1 = r.YMin;
        }
        const double xt = (r.YMax - b) / a;
        if (separates(xt, x1, x2)) {
            x2 = xt;
            y2 = r.YMax;
        }
    }
    return !outside(r, x1, y1, x2, y2);
}

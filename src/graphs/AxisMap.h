#pragma once
// The value-to-page mapping of one axis of a graph: the scale Min..Max laid
// along Length page units from Start (rightwards for X, upwards from the
// frame's bottom for Y), inside a relative margin M at both ends. The graph's
// conversions and the curves' inner loops share it, so both give the same
// page units.
#include "graphs/PageRound.h"
#include <cmath>

// Where v lies along lo..hi, 0 at lo and 1 at hi. A scale whose span exceeds
// the doubles (from -1.7e308 to 1.7e308) is measured on halved values, which
// cannot overflow.
inline double ScaleFraction(double v, double lo, double hi)
{
    const double span = hi - lo;
    if (std::isfinite(span))
        return (v - lo) / span;
    return (v / 2 - lo / 2) / (hi / 2 - lo / 2);
}

struct TAxisMap {
    int Start;  // Left for X, Bottom for Y
    int Length; // Width or Height
    int Dir;    // +1 for X (page x grows with values), -1 for Y
    double M;
    double Min;
    double Max;

    bool operator==(const TAxisMap &) const = default;

    // Whether a larger value never maps before a smaller one: every step of
    // the mapping is then a correctly rounded operation with a positive
    // factor, which cannot reverse the order of two values.
    bool KeepsOrder() const { return Max > Min && Length > 0 && M >= 0 && M < 0.5; }

    int ToPage(double v) const
    {
        if (Min == Max)
            return (Start + Start + Dir * Length) / 2;
        return Start + Dir * RoundPage(Length * (M + (1 - 2 * M) * ScaleFraction(v, Min, Max)));
    }
    // Beyond the scale: the margin line on that side.
    int ToPageClipped(double v) const
    {
        if (v < Min)
            return Start + Dir * RoundPage(M * Length);
        if (v > Max)
            return Start + Dir * (Length - RoundPage(M * Length));
        return ToPage(v);
    }
};

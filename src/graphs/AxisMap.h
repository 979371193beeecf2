#pragma once
// The value-to-page mapping of one axis of a graph: the scale Min..Max laid
// along Length page units from Start (rightwards for X, upwards from the
// frame's bottom for Y), inside a relative margin M at both ends. The graph's
// conversions and the curves' inner loops share it, so both give the same
// page units.
//
// A logarithmic scale lays out the decimal logarithms of the values between
// those of Min and Max; it holds only values above zero, and both limits must
// be. Loops over many samples take each value's place on the scale once
// (Scaled) and map it with the linear mapping of those places (Linear), which
// keeps every property of the linear one.
#include "graphs/PageRound.h"
#include <cmath>
#include <limits>

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

// The place of v on a logarithmic scale; minus infinity at or below zero
// (and for NaN), which no scale holds.
inline double LogPlace(double v)
{
    return v > 0 ? std::log10(v) : -std::numeric_limits<double>::infinity();
}

struct TAxisMap {
    int Start;  // Left for X, Bottom for Y
    int Length; // Width or Height
    int Dir;    // +1 for X (page x grows with values), -1 for Y
    double M;
    double Min;
    double Max;
    bool Log = false;

    bool operator==(const TAxisMap &) const = default;

    // A logarithmic mapping when asked for and both limits are above zero;
    // otherwise the scale is laid out linearly.
    static TAxisMap Make(int start, int length, int dir, double m, double min, double max, bool log)
    {
        return {start, length, dir, m, min, max, log && min > 0 && max > 0};
    }

    // The place of a value along the scale: the value itself, or its
    // logarithm (minus infinity at or below zero).
    double Scaled(double v) const { return Log ? LogPlace(v) : v; }
    // The linear mapping of places onto the same page units.
    TAxisMap Linear() const
    {
        return Log ? TAxisMap{Start, Length, Dir, M, std::log10(Min), std::log10(Max)} : *this;
    }

    // Whether a larger value never maps before a smaller one: every step of
    // the mapping is then a correctly rounded operation with a positive
    // factor, which cannot reverse the order of two values. Not claimed for
    // a logarithmic mapping: map places through Linear() instead.
    bool KeepsOrder() const { return !Log && Max > Min && Length > 0 && M >= 0 && M < 0.5; }

    int ToPage(double v) const
    {
        if (Log)
            return v > 0 ? Linear().ToPage(std::log10(v)) : minLine();
        if (Min == Max)
            return (Start + Start + Dir * Length) / 2;
        return Start + Dir * RoundPage(Length * (M + (1 - 2 * M) * ScaleFraction(v, Min, Max)));
    }
    // Beyond the scale: the margin line on that side.
    int ToPageClipped(double v) const
    {
        if (v < Min)
            return minLine();
        if (v > Max)
            return Start + Dir * (Length - RoundPage(M * Length));
        return ToPage(v);
    }
    // The value at page coordinate p.
    double FromPage(int p) const
    {
        if (Log)
            return std::pow(10.0, Linear().FromPage(p));
        const double f = (double(p) - Start) / Length;
        if (Dir > 0)
            return Min + (f - M) * (Max - Min) / (1 - 2 * M);
        return Min + (M + f) * (Min - Max) / (1 - 2 * M);
    }
    // The value part / parts of the way from Min to Max along the scale.
    double ValueAt(double part, double parts) const
    {
        if (Log) {
            const TAxisMap places = Linear();
            return std::pow(10.0, places.Min + (places.Max - places.Min) / parts * part);
        }
        return Min + (Max - Min) / parts * part;
    }
    // How much the value at v changes over a parts-th of the scale.
    double Spread(double v, double parts) const
    {
        if (Log)
            return v * std::expm1((std::log10(Max) - std::log10(Min)) / parts * std::log(10.0));
        return (Max - Min) / parts;
    }

private:
    int minLine() const { return Start + Dir * RoundPage(M * Length); }
};

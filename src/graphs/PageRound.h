#pragma once
// Rounding of page positions: to the nearest integer with halves to the even
// neighbour. Values beyond the page coordinate range (a value far outside the
// scale, an overflowing product) are held at a bound that drawing survives,
// and NaN maps to 0, instead of the undefined conversion to int.
#include <cmath>

constexpr double PageCoordLimit = 1 << 28;

inline int RoundPage(double v)
{
    if (!(v == v))
        return 0;
    const double r = std::nearbyint(v);
    if (r > PageCoordLimit)
        return int(PageCoordLimit);
    if (r < -PageCoordLimit)
        return -int(PageCoordLimit);
    return int(r);
}

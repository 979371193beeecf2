#pragma once
// Rounding of page positions: to the nearest integer with halves to the even
// neighbour. Values beyond the page coordinate range (a value far outside the
// scale, an overflowing product) are held at its bound, and NaN maps to 0,
// instead of the undefined conversion to int.
#include "data/PageUnits.h"

inline int RoundPage(double v)
{
    if (!(v == v))
        return 0;
    if (v > PageCoordLimit)
        return int(PageCoordLimit);
    if (v < -PageCoordLimit)
        return -int(PageCoordLimit);
    // Adding and removing 1.5 x 2^52 leaves no fraction bits: the addition
    // rounds to the nearest integer, halves to even, as nearbyint does under
    // the default rounding mode, without a library call per page point.
    constexpr double shift = 6755399441055744.0;
    return int((v + shift) - shift);
}

#pragma once
// Page positions, offsets and sizes are integers in page units. Every one a
// page holds lies within PageCoordLimit of zero, and so does the height of
// all its graphs together: the sums of a few of them that drawing makes
// stay far inside the int range. Documents holding more are refused with
// the line at fault; values typed or computed are held at the limit.
#include <algorithm>

constexpr int PageCoordLimit = 1 << 28;

// The values a document may give an integer field.
struct TIntRange {
    int Min;
    int Max;
};
// Positions and offsets (negative ones included), sizes and pen widths.
constexpr TIntRange PagePosition{-PageCoordLimit, PageCoordLimit};
constexpr TIntRange PageSize{0, PageCoordLimit};

inline int ClampPage(long long v)
{
    return int(std::clamp<long long>(v, -PageCoordLimit, PageCoordLimit));
}

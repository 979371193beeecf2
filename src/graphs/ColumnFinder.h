#pragma once
// Page x of successive sample values for an order-keeping X mapping, without
// mapping each value: once a value is mapped, the values up to a bound that
// maps to the same page x are answered by two comparisons. Exact: a value
// between two values of one page x lies on that page x too. On a logarithmic
// scale the values are compared as they are, so that only the first value of
// each page x takes a logarithm; exact as long as the logarithm keeps the
// order of values.
#include "graphs/AxisMap.h"
#include <cmath>

class TColumnFinder
{
public:
    explicit TColumnFinder(const TAxisMap &x)
        : m_x(x), m_places(x.Linear()), m_enabled(m_places.KeepsOrder() && x.Dir > 0)
    {
    }

    int ToPage(double v)
    {
        if (m_lo <= v && v <= m_hi)
            return m_column;
        m_column = m_x.ToPage(v);
        // Nothing at or below zero has a place on a logarithmic scale.
        if (m_enabled && std::isfinite(v) && (!m_x.Log || v > 0)) {
            m_lo = v;
            m_hi = v;
            // The value where rounding moves to the next page x, less a hair
            // for the error of the inverse; kept only when it checks out.
            const TAxisMap &p = m_places;
            const double span = p.Max - p.Min;
            const double place =
                p.Min + ((m_column - p.Start + 0.5) / p.Length - p.M) * span / (1 - 2 * p.M) -
                span * 1e-9;
            const double edge = m_x.Log ? std::pow(10.0, place) : place;
            if (edge > v && m_x.ToPage(edge) == m_column)
                m_hi = edge;
        }
        return m_column;
    }

    // Beyond the scale: the margin lines, as TAxisMap::ToPageClipped.
    int ToPageClipped(double v)
    {
        if (v < m_x.Min || v > m_x.Max)
            return m_x.ToPageClipped(v);
        return ToPage(v);
    }

private:
    TAxisMap m_x;
    TAxisMap m_places;
    bool m_enabled;
    int m_column = 0;
    double m_lo = 1;
    double m_hi = 0; // empty until a value is mapped
};

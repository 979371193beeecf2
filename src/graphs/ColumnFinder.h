#pragma once
// Page x of successive sample values for an order-keeping X mapping, without
// mapping each value: once a value is mapped, the values up to a bound that
// maps to the same page x are answered by two comparisons. Exact: a value
// between two values of one page x lies on that page x too.
#include "graphs/AxisMap.h"
#include <cmath>

class TColumnFinder
{
public:
    explicit TColumnFinder(const TAxisMap &x) : m_x(x), m_enabled(x.KeepsOrder() && x.Dir > 0) {}

    int ToPage(double v)
    {
        if (m_lo <= v && v <= m_hi)
            return m_column;
        m_column = m_x.ToPage(v);
        if (m_enabled && std::isfinite(v)) {
            m_lo = v;
            m_hi = v;
            // The value where rounding moves to the next page x, less a hair
            // for the error of the inverse; kept only when it checks out.
            const double span = m_x.Max - m_x.Min;
            const double edge =
                m_x.Min +
                ((m_column - m_x.Start + 0.5) / m_x.Length - m_x.M) * span / (1 - 2 * m_x.M) -
                span * 1e-9;
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
    bool m_enabled;
    int m_column = 0;
    double m_lo = 1;
    double m_hi = 0; // empty until a value is mapped
};

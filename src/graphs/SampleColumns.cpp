#include "graphs/SampleColumns.h"

#include "graphs/CurvePath.h"

TSampleColumns::TSampleColumns(TCurvePath &path, const TAxisMap &y) : m_path(path), m_y(y) {}

TSampleColumns::~TSampleColumns()
{
    Break();
}

void TSampleColumns::Add(int px, double value)
{
    m_running = true;
    if (m_count > 0 && px != m_px)
        flush();
    m_last = value;
    if (m_count == 0) {
        m_px = px;
        m_first = m_low = m_high = value;
        m_lowAt = m_highAt = 0;
    } else if (value < m_low) {
        m_low = value;
        m_lowAt = m_count;
    } else if (value > m_high) {
        m_high = value;
        m_highAt = m_count;
    }
    ++m_count;
}

void TSampleColumns::Break()
{
    flush();
    m_running = false;
    m_havePrevious = false;
}

void TSampleColumns::flush()
{
    if (m_count == 0)
        return;
    const int lastAt = m_count - 1;
    put(m_first);
    const bool lowFirst = m_lowAt < m_highAt;
    const int at[2] = {lowFirst ? m_lowAt : m_highAt, lowFirst ? m_highAt : m_lowAt};
    const double v[2] = {lowFirst ? m_low : m_high, lowFirst ? m_high : m_low};
    for (int i = 0; i < 2; ++i)
        if (at[i] > 0 && at[i] < lastAt)
            put(v[i]);
    if (lastAt > 0)
        put(m_last);
    m_count = 0;
}

void TSampleColumns::put(double value)
{
    const QPoint p(m_px, m_y.ToPageClipped(value));
    if (m_havePrevious)
        m_path.Segment(m_previous, p);
    m_previous = p;
    m_havePrevious = true;
}

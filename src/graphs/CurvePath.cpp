#include "graphs/CurvePath.h"

#include "render/Canvas.h"

TCurvePath::TCurvePath(Canvas &canvas, bool reduce) : m_canvas(canvas), m_reduce(reduce) {}

TCurvePath::~TCurvePath()
{
    Finish();
}

void TCurvePath::Segment(QPoint a, QPoint b)
{
    if (m_started && a == m_last) {
        add(b);
    } else if (m_started && b == m_last) {
        add(a);
    } else {
        MoveTo(a);
        add(b);
    }
}

void TCurvePath::MoveTo(QPoint p)
{
    Finish();
    m_started = true;
    add(p);
}

void TCurvePath::LineTo(QPoint p)
{
    if (!m_started)
        MoveTo(m_canvas.PenPos());
    add(p);
}

void TCurvePath::Finish()
{
    if (!m_started)
        return;
    closeRun();
    if (m_points.size() >= 2)
        m_canvas.Polyline(m_points);
    m_canvas.MoveTo(m_last.x(), m_last.y());
    m_points.clear();
    m_started = false;
}

void TCurvePath::add(QPoint p)
{
    m_last = p;
    if (!m_reduce) {
        m_points.push_back(p);
        return;
    }
    if (m_runCount > 0 && p.x() != m_runFirst.x())
        closeRun();
    m_runLast = p;
    if (m_runCount == 0) {
        m_runFirst = m_runLow = m_runHigh = p;
        m_runLowAt = m_runHighAt = 0;
    } else if (p.y() < m_runLow.y()) {
        m_runLow = p;
        m_runLowAt = m_runCount;
    } else if (p.y() > m_runHigh.y()) {
        m_runHigh = p;
        m_runHighAt = m_runCount;
    }
    ++m_runCount;
}

void TCurvePath::closeRun()
{
    if (m_runCount == 0)
        return;
    const int lastAt = m_runCount - 1;
    m_points.push_back(m_runFirst);
    // The lowest and highest points strictly inside the run, in run order.
    const bool lowFirst = m_runLowAt < m_runHighAt;
    const int at[2] = {lowFirst ? m_runLowAt : m_runHighAt, lowFirst ? m_runHighAt : m_runLowAt};
    const QPoint pt[2] = {lowFirst ? m_runLow : m_runHigh, lowFirst ? m_runHigh : m_runLow};
    for (int i = 0; i < 2; ++i)
        if (at[i] > 0 && at[i] < lastAt && (i == 0 || at[1] != at[0]))
            m_points.push_back(pt[i]);
    if (lastAt > 0)
        m_points.push_back(m_runLast);
    m_runCount = 0;
}

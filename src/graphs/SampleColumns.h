#pragma once
// Reduction of an analog curve's samples before their page y is computed.
//
// Consecutive samples inside the scale that fall on one page x are kept as
// the first, the one of lowest value, the one of highest value and the last,
// in sample order, and only those get a page y. It is used only with a Y
// mapping that keeps the order of values (TAxisMap::KeepsOrder), where page y
// decreases as the value grows, so the samples of lowest and highest value
// are those of highest and lowest page y:
// the kept points are those the page-unit reduction of TCurvePath keeps, up to
// the choice among equal page points, and draw the same page points.
#include "graphs/AxisMap.h"
#include <QPoint>

class TCurvePath;

class TSampleColumns
{
public:
    TSampleColumns(TCurvePath &path, const TAxisMap &y);
    ~TSampleColumns();
    TSampleColumns(const TSampleColumns &) = delete;
    TSampleColumns &operator=(const TSampleColumns &) = delete;

    // Whether a run of connected samples is under way.
    bool Running() const { return m_running; }
    // The next sample of the run (inside the scale), with its page x.
    void Add(int px, double value);
    // Ends the run: the next sample starts a new one.
    void Break();

private:
    void flush();
    void put(double value);

    TCurvePath &m_path;
    TAxisMap m_y;
    bool m_running = false;
    bool m_havePrevious = false;
    QPoint m_previous;
    // The open column.
    int m_count = 0;
    int m_px = 0;
    double m_first = 0;
    double m_low = 0;
    double m_high = 0;
    double m_last = 0;
    int m_lowAt = 0;
    int m_highAt = 0;
};

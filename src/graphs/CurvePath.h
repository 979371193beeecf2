#pragma once
// Collects the segments a curve draws and hands them to the canvas as
// polylines: segments that continue one another (the end of one is the start
// of the next, in page units) join one polyline.
//
// Reduction, for curves with far more samples than the page has units: within
// a polyline, a run of consecutive points on the same page x is replaced by
// its first point, its lowest, its highest and its last, in their original
// order. The run's segments all lie on the vertical line at that x and, being
// connected, cover exactly the span from its lowest to its highest point; the
// kept points cover the same span, and the segments entering and leaving the
// run (from its first point, to its last) are unchanged. The drawn set of
// page points is therefore the same, with round pens of any width, while the
// picture holds at most four points per page x of each polyline.
#include <QPoint>
#include <vector>

class Canvas;

class TCurvePath
{
public:
    explicit TCurvePath(Canvas &canvas, bool reduce = true);
    ~TCurvePath();
    TCurvePath(const TCurvePath &) = delete;
    TCurvePath &operator=(const TCurvePath &) = delete;

    // One independent segment; it joins the current polyline when one of its
    // ends is the polyline's last point.
    void Segment(QPoint a, QPoint b);
    // Pen moves: a new polyline starts at p.
    void MoveTo(QPoint p);
    // A line from the last point to p.
    void LineTo(QPoint p);
    // Draws what is pending. Also done on destruction.
    void Finish();

private:
    void add(QPoint p);
    void closeRun();

    Canvas &m_canvas;
    bool m_reduce;
    std::vector<QPoint> m_points; // the current polyline, runs already reduced
    bool m_started = false;       // a polyline is under way
    QPoint m_last;                // its last point as given
    // The open run of points on one page x.
    int m_runCount = 0;
    QPoint m_runFirst;
    QPoint m_runLow;
    QPoint m_runHigh;
    QPoint m_runLast;
    int m_runLowAt = 0;
    int m_runHighAt = 0;
};

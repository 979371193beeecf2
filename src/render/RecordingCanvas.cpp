#include "render/RecordingCanvas.h"
#include <array>

RecordingCanvas::RecordingCanvas(PagePicture &picture) : m_picture(picture) {}

RecordingCanvas::~RecordingCanvas() = default;

void RecordingCanvas::add(TPictureOp kind, std::span<const QPoint> points)
{
    m_picture.AddShape(kind, points, Pen, Brush, Font);
}

void RecordingCanvas::LineTo(int x, int y)
{
    const std::array<QPoint, 2> line{PenPos(), QPoint(x, y)};
    add(TPictureOp::Line, line);
    setPenPos(line[1]);
}

void RecordingCanvas::Polyline(std::span<const QPoint> points)
{
    if (points.empty())
        return;
    if (points.size() >= 2)
        add(TPictureOp::Polyline, points);
    setPenPos(points.back());
}

void RecordingCanvas::Rectangle(int x1, int y1, int x2, int y2)
{
    const std::array<QPoint, 2> corners{QPoint(x1, y1), QPoint(x2, y2)};
    add(TPictureOp::Rectangle, corners);
}

void RecordingCanvas::Ellipse(int x1, int y1, int x2, int y2)
{
    const std::array<QPoint, 2> corners{QPoint(x1, y1), QPoint(x2, y2)};
    add(TPictureOp::Ellipse, corners);
}

void RecordingCanvas::Polygon(std::span<const QPoint> points)
{
    if (points.size() >= 2)
        add(TPictureOp::Polygon, points);
}

void RecordingCanvas::PolyBezier(std::span<const QPoint> points)
{
    if (points.size() < 4)
        return;
    // Only whole pieces are drawn; stray trailing points are ignored.
    add(TPictureOp::PolyBezier, points.first(1 + (points.size() - 1) / 3 * 3));
}

void RecordingCanvas::TextOut(int x, int y, const QString &text)
{
    if (!text.isEmpty())
        m_picture.AddText(QPoint(x, y), text, Pen, Brush, Font);
}

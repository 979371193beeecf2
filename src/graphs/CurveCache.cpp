#include "graphs/CurveCache.h"

#include "render/PagePicture.h"
#include "render/RecordingCanvas.h"

namespace
{

// Draws every record of the picture again through the canvas, in its style.
void replay(const PagePicture &picture, Canvas &canvas)
{
    for (const PictureRecord &r : picture) {
        canvas.Pen = r.Pen;
        canvas.Brush = r.Brush;
        canvas.Font = r.Font;
        const std::span<const QPoint> p = r.Points;
        switch (r.Kind) {
        case TPictureOp::Line:
            canvas.MoveTo(p[0].x(), p[0].y());
            canvas.LineTo(p[1].x(), p[1].y());
            break;
        case TPictureOp::Polyline:
            canvas.Polyline(p);
            break;
        case TPictureOp::Rectangle:
            canvas.Rectangle(p[0].x(), p[0].y(), p[1].x(), p[1].y());
            break;
        case TPictureOp::Ellipse:
            canvas.Ellipse(p[0].x(), p[0].y(), p[1].x(), p[1].y());
            break;
        case TPictureOp::Polygon:
            canvas.Polygon(p);
            break;
        case TPictureOp::PolyBezier:
            canvas.PolyBezier(p);
            break;
        case TPictureOp::Text:
            canvas.TextOut(p[0].x(), p[0].y(), r.Text);
            break;
        }
    }
}

} // namespace

TCurveCache::TCurveCache() : m_picture(std::make_unique<PagePicture>()) {}

TCurveCache::~TCurveCache() = default;

void TCurveCache::Draw(Canvas &canvas, const TCurveKey &key,
                       const std::function<void(Canvas &)> &draw)
{
    if (m_key != key) {
        m_key.reset();
        m_picture->Clear();
        RecordingCanvas recorder(*m_picture);
        recorder.Pen = key.Pen;
        recorder.Brush = key.Brush;
        recorder.Font = key.Font;
        recorder.MoveTo(key.PenPos.x(), key.PenPos.y());
        draw(recorder);
        m_pen = recorder.Pen;
        m_brush = recorder.Brush;
        m_font = recorder.Font;
        m_penPos = recorder.PenPos();
        m_key = key;
    }
    replay(*m_picture, canvas);
    canvas.Pen = m_pen;
    canvas.Brush = m_brush;
    canvas.Font = m_font;
    canvas.MoveTo(m_penPos.x(), m_penPos.y());
}

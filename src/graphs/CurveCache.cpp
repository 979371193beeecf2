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

TCurveCache::TCurveCache()
{
    for (Recording &r : m_recordings)
        r.Picture = std::make_unique<PagePicture>();
}

TCurveCache::~TCurveCache() = default;

void TCurveCache::record(Recording &r, const TCurveKey &key,
                         const std::function<void(Canvas &)> &draw)
{
    r.Key.reset();
    r.Picture->Clear();
    RecordingCanvas recorder(*r.Picture);
    recorder.Pen = key.Pen;
    recorder.Brush = key.Brush;
    recorder.Font = key.Font;
    recorder.MoveTo(key.PenPos.x(), key.PenPos.y());
    draw(recorder);
    r.Pen = recorder.Pen;
    r.Brush = recorder.Brush;
    r.Font = recorder.Font;
    r.PenPos = recorder.PenPos();
    r.Key = key;
}

void TCurveCache::Draw(Canvas &canvas, const TCurveKey &key,
                       const std::function<void(Canvas &)> &draw)
{
    if (m_recordings[0].Key != key) {
        std::swap(m_recordings[0], m_recordings[1]);
        if (m_recordings[0].Key != key)
            record(m_recordings[0], key, draw);
    }
    const Recording &r = m_recordings[0];
    replay(*r.Picture, canvas);
    canvas.Pen = r.Pen;
    canvas.Brush = r.Brush;
    canvas.Font = r.Font;
    canvas.MoveTo(r.PenPos.x(), r.PenPos.y());
}

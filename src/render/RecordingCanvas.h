#pragma once
// A canvas that records every drawing call into a page picture, with the
// pen, brush and font in force at the time. Calls that draw nothing (no
// points, an empty text, a Bézier without a whole piece) are not recorded.
// Text is measured as MeasuringCanvas measures it, so extents depend
// neither on the screen nor on the zoom.
#include "render/MeasuringCanvas.h"
#include "render/PagePicture.h"

class RecordingCanvas : public MeasuringCanvas
{
public:
    explicit RecordingCanvas(PagePicture &picture);
    ~RecordingCanvas() override;

    PagePicture &Picture() const { return m_picture; }

    void LineTo(int x, int y) override;
    void Polyline(std::span<const QPoint> points) override;
    void Rectangle(int x1, int y1, int x2, int y2) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void Polygon(std::span<const QPoint> points) override;
    void PolyBezier(std::span<const QPoint> points) override;
    void TextOut(int x, int y, const QString &text) override;

private:
    void add(TPictureOp kind, std::span<const QPoint> points);

    PagePicture &m_picture;
};

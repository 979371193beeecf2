#pragma once
// A canvas that records every drawing call into a page picture, with the
// pen, brush and font in force at the time. Calls that draw nothing (no
// points, an empty text, a Bézier without a whole piece) are not recorded.
// Text is measured with the page font (PageFont.h), so extents depend
// neither on the screen nor on the zoom.
#include "render/Canvas.h"
#include "render/PagePicture.h"
#include <memory>

class QFontMetricsF;

class RecordingCanvas : public Canvas
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
    QSize TextExtent(const QString &text) const override;

private:
    void add(TPictureOp kind, std::span<const QPoint> points);

    PagePicture &m_picture;
    // Metrics of the last font measured: texts come in runs of one font.
    mutable TFont m_metricsFont;
    mutable std::unique_ptr<QFontMetricsF> m_metrics;
};

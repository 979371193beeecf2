#pragma once
// A canvas that draws nothing but follows the pen and measures text with the
// page font (PageFont.h), as the page picture is measured. Drawing a page on
// it settles what drawing computes (the sizes texts keep) without recording
// a picture.
#include "render/Canvas.h"
#include <memory>

class QFontMetricsF;

class MeasuringCanvas : public Canvas
{
public:
    MeasuringCanvas();
    ~MeasuringCanvas() override;

    void LineTo(int x, int y) override;
    void Polyline(std::span<const QPoint> points) override;
    void Rectangle(int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void Polygon(std::span<const QPoint>) override {}
    void PolyBezier(std::span<const QPoint>) override {}
    void TextOut(int, int, const QString &) override {}
    QSize TextExtent(const QString &text) const override;

private:
    // Metrics of the last font measured: texts come in runs of one font.
    mutable TFont m_metricsFont;
    mutable std::unique_ptr<QFontMetricsF> m_metrics;
};

#include "render/MeasuringCanvas.h"
#include "render/PageFont.h"
#include <QFontMetricsF>

MeasuringCanvas::MeasuringCanvas() = default;

MeasuringCanvas::~MeasuringCanvas() = default;

void MeasuringCanvas::LineTo(int x, int y)
{
    setPenPos(QPoint(x, y));
}

void MeasuringCanvas::Polyline(std::span<const QPoint> points)
{
    if (!points.empty())
        setPenPos(points.back());
}

QSize MeasuringCanvas::TextExtent(const QString &text) const
{
    if (!m_metrics || !(m_metricsFont == Font)) {
        m_metrics = std::make_unique<QFontMetricsF>(PageFont(Font));
        m_metricsFont = Font;
    }
    return TextCell(*m_metrics, text);
}

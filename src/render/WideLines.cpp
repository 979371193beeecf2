#include "render/WideLines.h"
#include <QImage>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <cmath>
#include <vector>

namespace
{

// Disc centres are placed to a sixteenth of a pixel; a stamp is made for
// each of those positions actually used.
constexpr int kSteps = 16;
// Beyond this radius (device pixels) discs are drawn one by one.
constexpr double kMaxStampRadius = 48;

class DiscStamps
{
public:
    DiscStamps(const QColor &color, double radius, bool antialiased)
        : m_color(color), m_radius(radius), m_reach(int(std::ceil(radius)) + 1),
          m_antialiased(antialiased), m_stamps(kSteps * kSteps)
    {
    }

    // Stamps the disc centred on a device point.
    void Stamp(QPainter &painter, QPointF centre)
    {
        const double qx = std::floor(centre.x() * kSteps + 0.5);
        const double qy = std::floor(centre.y() * kSteps + 0.5);
        const double cellX = std::floor(qx / kSteps);
        const double cellY = std::floor(qy / kSteps);
        const int stepX = int(qx - cellX * kSteps);
        const int stepY = int(qy - cellY * kSteps);
        painter.drawImage(QPointF(cellX - m_reach, cellY - m_reach), stamp(stepX, stepY));
    }

    int Reach() const { return m_reach; }

private:
    const QImage &stamp(int stepX, int stepY)
    {
        QImage &image = m_stamps[std::size_t(stepX * kSteps + stepY)];
        if (!image.isNull())
            return image;
        const int side = 2 * m_reach + 1;
        image = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, m_antialiased);
        p.setPen(Qt::NoPen);
        p.setBrush(m_color);
        const QPointF centre(m_reach + double(stepX) / kSteps, m_reach + double(stepY) / kSteps);
        p.drawEllipse(centre, m_radius, m_radius);
        return image;
    }

    QColor m_color;
    double m_radius;
    int m_reach;
    bool m_antialiased;
    std::vector<QImage> m_stamps;
};

void drawBands(QPainter &painter, std::span<const QPoint> pts, const TWidePen &pen)
{
    QPen flat(pen.Color, pen.Width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    flat.setCosmetic(pen.Cosmetic);
    painter.setPen(flat);
    std::vector<QLineF> bands;
    bands.reserve(pts.size());
    for (std::size_t k = 1; k < pts.size(); ++k) {
        if (pts[k] != pts[k - 1])
            bands.emplace_back(pts[k - 1], pts[k]);
    }
    painter.drawLines(bands.data(), int(bands.size()));
}

void drawDiscs(QPainter &painter, std::span<const QPoint> pts, const TWidePen &pen)
{
    const QTransform toDevice = painter.combinedTransform();
    const double radius = pen.DeviceWidth / 2;
    const QRectF device(0, 0, painter.device()->width(), painter.device()->height());
    const QRectF reachable = device.adjusted(-radius - 1, -radius - 1, radius + 1, radius + 1);
    painter.save();
    painter.resetTransform();
    painter.setPen(Qt::NoPen);
    painter.setBrush(pen.Color);
    DiscStamps stamps(pen.Color, radius, painter.testRenderHint(QPainter::Antialiasing));
    for (std::size_t k = 0; k < pts.size(); ++k) {
        if (k > 0 && pts[k] == pts[k - 1])
            continue;
        const QPointF centre = toDevice.map(QPointF(pts[k]));
        if (!reachable.contains(centre))
            continue;
        if (radius <= kMaxStampRadius)
            stamps.Stamp(painter, centre);
        else
            painter.drawEllipse(centre, radius, radius);
    }
    painter.restore();
}

} // namespace

void StrokeWidePolyline(QPainter &painter, std::span<const QPoint> pts, const TWidePen &pen)
{
    if (pts.empty())
        return;
    drawBands(painter, pts, pen);
    drawDiscs(painter, pts, pen);
}

#include "render/PictureReplay.h"
#include "render/PageFont.h"
#include "render/PagePicture.h"
#include "render/QtColor.h"
#include "render/TextPieces.h"
#include "render/WideLines.h"
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace
{

constexpr std::uint32_t noIndex = std::numeric_limits<std::uint32_t>::max();

class Replayer
{
public:
    Replayer(QPainter &painter, const PagePicture &picture, double pixelsPerUnit,
             TReplayPixels pixels)
        : m_painter(painter), m_picture(picture), m_pixelsPerUnit(pixelsPerUnit),
          m_raster(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster),
          m_whole(pixels == TReplayPixels::Whole)
    {
    }

    bool run(const TReplayDevices *devices = nullptr)
    {
        const int count = m_picture.Count();
        m_devices = devices;
        m_nextBreak = devices ? devices->RecordsPerDevice : count;
        for (int i = 0; i < count && !m_failed;)
            i = draw(i);
        return !m_failed;
    }

private:
    // Whether the painter's next drawing first hands its changed state to
    // the engine (which then states it whole).
    struct StatePeek : QPaintEngine {
        static bool Pending(const QPainter &painter)
        {
            const QPaintEngine *engine = painter.paintEngine();
            const QPaintEngineState *state = engine ? engine->*(&StatePeek::state) : nullptr;
            return state && state->state() != QPaintEngine::DirtyFlags();
        }
    };

    // Record `i` has set its style: when that changed the painter's state,
    // the drawing may go on from here on the next device.
    void breakBefore(int i)
    {
        if (!m_devices || i < m_nextBreak || !StatePeek::Pending(m_painter))
            return;
        m_failed = !moveToNextDevice(*m_devices);
        m_nextBreak = i + m_devices->RecordsPerDevice;
    }

    // Ends the replay's painter state on this device and sets it up again,
    // whole, on the next one.
    bool moveToNextDevice(const TReplayDevices &devices)
    {
        const QPen pen = m_painter.pen();
        const QBrush brush = m_painter.brush();
        const QFont font = m_painter.font();
        const QTransform transform = m_painter.worldTransform();
        const QPainter::RenderHints hints = m_painter.renderHints();
        m_painter.restore();
        if (!devices.NextDevice(m_painter))
            return false;
        m_painter.save();
        m_painter.setWorldTransform(transform);
        m_painter.setRenderHints(hints);
        m_painter.setPen(pen);
        m_painter.setBrush(brush);
        m_painter.setFont(font);
        return true;
    }

    // Draws record i (and, for lines, the connected run it starts);
    // returns the index of the next record to draw.
    int draw(int i)
    {
        const PagePicture::Entry &e = m_picture.EntryAt(i);
        applyStyle(e.StyleIndex);
        breakBefore(i);
        if (m_failed)
            return i + 1;
        const std::span<const QPoint> pts = m_picture.PointsOf(e);
        switch (e.Kind) {
        case TPictureOp::Line:
            return drawLineRun(i);
        case TPictureOp::Polyline:
            drawPolyline(pts);
            break;
        case TPictureOp::Rectangle:
            if (const auto r = cellBox(pts))
                drawRectangle(*r, m_picture.StyleAt(e.StyleIndex));
            break;
        case TPictureOp::Ellipse:
            if (const auto r = cellBox(pts))
                m_painter.drawEllipse(*r);
            break;
        case TPictureOp::Polygon:
            m_painter.drawPolygon(pts.data(), int(pts.size()), Qt::OddEvenFill);
            break;
        case TPictureOp::PolyBezier:
            drawBezier(pts);
            break;
        case TPictureOp::Text:
            drawText(e, pts.front());
            break;
        }
        return i + 1;
    }

    int drawLineRun(int first)
    {
        const int next = m_picture.LineRun(first, m_run);
        drawPolyline(m_run);
        return next;
    }

    // On raster devices a pen wider than a pixel goes through the wide-line
    // path, whose cost does not depend on how often the curve crosses itself;
    // vector devices get one polyline.
    void drawPolyline(std::span<const QPoint> pts)
    {
        if (!m_wide || pts.size() < 2) {
            m_painter.drawPolyline(pts.data(), int(pts.size()));
            return;
        }
        StrokeWidePolyline(m_painter, pts, m_widePen);
        m_styleIndex = noIndex; // the pen and brush were replaced
    }

    // The box a Rectangle or Ellipse covers, right and bottom edges excluded,
    // as a rectangle through the centres of its border cells.
    static std::optional<QRectF> cellBox(std::span<const QPoint> corners)
    {
        const int left = std::min(corners[0].x(), corners[1].x());
        const int right = std::max(corners[0].x(), corners[1].x());
        const int top = std::min(corners[0].y(), corners[1].y());
        const int bottom = std::max(corners[0].y(), corners[1].y());
        if (left == right || top == bottom)
            return std::nullopt;
        return QRectF(QPointF(left, top), QPointF(right - 1, bottom - 1));
    }

    // On raster devices a thin outline is painted as four bands one unit
    // wide: the raster stroker would leave its corners partly covered.
    void drawRectangle(const QRectF &box, const PagePicture::Style &style)
    {
        if (!m_raster || m_whole || std::max(style.Pen.Width, 1) > 1 ||
            m_painter.pen().isCosmetic()) {
            m_painter.drawRect(box);
            return;
        }
        const QRectF cells = box.adjusted(-0.5, -0.5, 0.5, 0.5);
        if (style.Brush.Style == TBrushStyle::bsSolid)
            m_painter.fillRect(cells, m_painter.brush());
        const QColor pen = m_painter.pen().color();
        const double w = cells.width();
        const double h = cells.height();
        m_painter.fillRect(QRectF(cells.left(), cells.top(), w, 1), pen);
        m_painter.fillRect(QRectF(cells.left(), cells.bottom() - 1, w, 1), pen);
        m_painter.fillRect(QRectF(cells.left(), cells.top(), 1, h), pen);
        m_painter.fillRect(QRectF(cells.right() - 1, cells.top(), 1, h), pen);
    }

    void drawBezier(std::span<const QPoint> pts)
    {
        QPainterPath path(pts[0]);
        for (std::size_t k = 1; k + 2 < pts.size(); k += 3)
            path.cubicTo(pts[k], pts[k + 1], pts[k + 2]);
        m_painter.strokePath(path, m_painter.pen());
    }

    void drawText(const PagePicture::Entry &e, QPoint topLeft)
    {
        const PagePicture::Style &style = m_picture.StyleAt(e.StyleIndex);
        if (style.FontIndex != m_fontIndex) {
            const TFont &font = m_picture.FontAt(style.FontIndex);
            m_font = PageFont(font);
            m_metrics.emplace(m_font);
            m_fontColor = ToQColor(font.Color);
            // Decorations are drawn here, not by the engine: vector backends
            // would drop them.
            m_underline = font.Underline;
            m_strikeOut = font.StrikeOut;
            m_font.setUnderline(false);
            m_font.setStrikeOut(false);
            m_fontIndex = style.FontIndex;
        }
        const QStringView whole = m_picture.TextOf(e);
        // Text fills whole cells: its box starts at the cell's edge, half a
        // unit before the centre the lines go through.
        const QPointF corner(topLeft.x() - 0.5, topLeft.y() - 0.5);
        if (style.Brush.Style == TBrushStyle::bsSolid)
            m_painter.fillRect(QRectF(corner, QSizeF(TextCell(*m_metrics, whole))),
                               ToQColor(style.Brush.Color));
        m_painter.setFont(m_font);
        m_painter.setPen(m_fontColor);
        const QPointF baseline = corner + QPointF(0, TextAscent(*m_metrics));
        const qreal width =
            drawPieces(baseline, ShownText(*m_metrics, whole, corner.x(), m_picture.MFWidth()));
        if (m_underline || m_strikeOut)
            drawDecorations(baseline, width);
        m_styleIndex = noIndex; // the pen was replaced by the font colour
    }

    // Draws the text piece after piece, each where the ones before end (a
    // short text is one piece); returns the advance of the whole.
    qreal drawPieces(QPointF baseline, QStringView text)
    {
        qreal x = 0;
        for (qsizetype start = 0; start < text.size();) {
            const qsizetype end = TextPieceEnd(text, start, WholeTextLength);
            const QString piece = text.sliced(start, end - start).toString();
            m_painter.drawText(baseline + QPointF(x, 0), piece);
            x += m_metrics->horizontalAdvance(piece);
            start = end;
        }
        return x;
    }

    void drawDecorations(QPointF baseline, qreal width)
    {
        const qreal thickness = std::max(m_metrics->lineWidth(), 1.0);
        const auto band = [&](qreal centre) {
            m_painter.fillRect(QRectF(baseline.x(), centre - thickness / 2, width, thickness),
                               m_fontColor);
        };
        if (m_underline)
            band(baseline.y() + m_metrics->underlinePos());
        if (m_strikeOut)
            band(baseline.y() - m_metrics->strikeOutPos());
    }

    void applyStyle(std::uint32_t index)
    {
        if (index == m_styleIndex)
            return;
        m_styleIndex = index;
        const PagePicture::Style &style = m_picture.StyleAt(index);
        const QPen pen = m_whole ? wholePixelPen(style.Pen) : makePen(style.Pen);
        m_widePen = {pen.color(), pen.widthF(), pen.isCosmetic(),
                     pen.isCosmetic() ? pen.widthF() : pen.widthF() * m_pixelsPerUnit};
        m_wide = m_raster && pen.capStyle() == Qt::RoundCap && m_widePen.DeviceWidth > 1;
        m_painter.setPen(pen);
        if (style.Brush.Style == TBrushStyle::bsClear)
            m_painter.setBrush(Qt::NoBrush);
        else
            m_painter.setBrush(ToQColor(style.Brush.Color));
    }

    // The width on the device rounded to whole pixels, at least one.
    QPen wholePixelPen(const TPen &pen) const
    {
        const double exact = std::max(pen.Width, 1) * m_pixelsPerUnit;
        const double pixels = std::max(1.0, std::round(std::min(exact, 1e6)));
        QPen whole(ToQColor(pen.Color), pixels, Qt::SolidLine,
                   pixels > 1 ? Qt::RoundCap : Qt::SquareCap, Qt::RoundJoin);
        whole.setCosmetic(true);
        return whole;
    }

    QPen makePen(const TPen &pen) const
    {
        const QColor color = ToQColor(pen.Color);
        const int width = std::max(pen.Width, 1);
        if (width * m_pixelsPerUnit < 1.0) {
            QPen hairline(color, 1);
            hairline.setCosmetic(true);
            return hairline;
        }
        if (width == 1)
            return QPen(color, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
        return QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    }

    QPainter &m_painter;
    const PagePicture &m_picture;
    double m_pixelsPerUnit;
    bool m_raster;
    bool m_whole;
    TWidePen m_widePen;
    bool m_wide = false;
    std::uint32_t m_styleIndex = noIndex;
    std::uint32_t m_fontIndex = noIndex;
    QFont m_font;
    QColor m_fontColor;
    bool m_underline = false;
    bool m_strikeOut = false;
    std::optional<QFontMetricsF> m_metrics;
    std::vector<QPoint> m_run;
    const TReplayDevices *m_devices = nullptr;
    int m_nextBreak = 0;
    bool m_failed = false;
};

// Device pixels per page unit along the axis that shrinks most.
double pixelsPerUnit(const QTransform &t)
{
    return std::min(std::hypot(t.m11(), t.m12()), std::hypot(t.m21(), t.m22()));
}

} // namespace

namespace
{

bool replay(QPainter &painter, const PagePicture &picture, const QRectF &target,
            TReplayPixels pixels, const TReplayDevices *devices)
{
    if (picture.MFWidth() <= 0 || picture.MFHeight() <= 0 || target.isEmpty())
        return true;
    painter.save();
    QTransform pageToTarget;
    pageToTarget.translate(target.x(), target.y());
    pageToTarget.scale(target.width() / picture.MFWidth(), target.height() / picture.MFHeight());
    // Lines run through the centres of page cells.
    pageToTarget.translate(0.5, 0.5);
    painter.setTransform(pageToTarget, true);
    painter.setRenderHint(QPainter::Antialiasing, pixels == TReplayPixels::Exact);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    const bool done =
        Replayer(painter, picture, pixelsPerUnit(painter.combinedTransform()), pixels).run(devices);
    if (done)
        painter.restore();
    return done;
}

} // namespace

void ReplayPicture(QPainter &painter, const PagePicture &picture, const QRectF &target,
                   TReplayPixels pixels)
{
    replay(painter, picture, target, pixels, nullptr);
}

bool ReplayPictureOnDevices(QPainter &painter, const PagePicture &picture, const QRectF &target,
                            const TReplayDevices &devices)
{
    return replay(painter, picture, target, TReplayPixels::Exact, &devices);
}

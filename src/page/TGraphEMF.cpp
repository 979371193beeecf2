#include "page/TGraphEMF.h"

#include "graphs/PageRound.h"
#include "page/PointerShapes.h"
#include "render/PagePicture.h"
#include "render/PictureReplay.h"
#include "render/RecordingCanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace
{

// Below this many pixels in a direction the control shows white only.
constexpr int kMinPixels = 8;
// Largest stretched picture kept whole (pixels); beyond, only the visible
// part is replayed.
constexpr qint64 kMaxStretchedPixels = 8'000'000;

// One-pixel frame of (l, t)-(r, b), right and bottom exclusive.
void frameRect(QPainter &p, int l, int t, int r, int b)
{
    if (r <= l || b <= t)
        return;
    p.fillRect(l, t, r - l, 1, Qt::black);
    p.fillRect(l, b - 1, r - l, 1, Qt::black);
    p.fillRect(l, t, 1, b - t, Qt::black);
    p.fillRect(r - 1, t, 1, b - t, Qt::black);
}

QPoint eventPoint(const QMouseEvent *event)
{
    const QPointF p = event->position();
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

} // namespace

TGraphEMF::TGraphEMF(QWidget *parent)
    : QWidget(parent), m_picture(std::make_unique<PagePicture>(m_mfWidth, m_mfHeight))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

TGraphEMF::~TGraphEMF() = default;

void TGraphEMF::SetMFWidth(int v)
{
    m_mfWidth = v;
    m_picture->SetMFWidth(v);
    clampOffsets();
}

void TGraphEMF::SetMFHeight(int v)
{
    m_mfHeight = v;
    m_picture->SetMFHeight(v);
    clampOffsets();
}

void TGraphEMF::SetZoom(int z)
{
    m_zoom = std::clamp(z, 1, MaxZoom());
    clampOffsets();
}

void TGraphEMF::SetXOffset(int v)
{
    m_xOffset = std::clamp(v, -MaxXOffset(), MaxXOffset());
}

void TGraphEMF::SetYOffset(int v)
{
    m_yOffset = std::clamp(v, -MaxYOffset(), MaxYOffset());
}

void TGraphEMF::clampOffsets()
{
    SetXOffset(m_xOffset);
    SetYOffset(m_yOffset);
}

double TGraphEMF::Scale() const
{
    // A control of 7 pixels or less maps as if one pixel were usable.
    const double w = std::max(width() - 7, 1);
    const double h = std::max(height() - 7, 1);
    const double s = std::max(MFWidth() / w, MFHeight() / h);
    return (std::isfinite(s) && s > 0) ? s : 1.0;
}

int TGraphEMF::MaxZoom() const
{
    return std::max(1, 2 * RoundPage(Scale()));
}

int TGraphEMF::MaxXOffset() const
{
    return std::abs(RoundPage(MFWidth() / 2.0 * (m_zoom - 1) / m_zoom));
}

int TGraphEMF::MaxYOffset() const
{
    return std::abs(RoundPage(MFHeight() / 2.0 * (m_zoom - 1) / m_zoom));
}

int TGraphEMF::PageX(int sx) const
{
    return RoundPage(Scale() / m_zoom * (sx - width() / 2.0) + MFWidth() / 2.0) + m_xOffset;
}

int TGraphEMF::PageY(int sy) const
{
    return RoundPage(Scale() / m_zoom * (sy - height() / 2.0) + MFHeight() / 2.0) + m_yOffset;
}

int TGraphEMF::ScreenX(int px) const
{
    return RoundPage((px - m_xOffset - MFWidth() / 2.0) * m_zoom / Scale() + width() / 2.0);
}

int TGraphEMF::ScreenY(int py) const
{
    return RoundPage((py - m_yOffset - MFHeight() / 2.0) * m_zoom / Scale() + height() / 2.0);
}

QRect TGraphEMF::PageRect() const
{
    const int w = width();
    const int h = height();
    if (w < kMinPixels || h < kMinPixels)
        return {};
    // Times the zoom, then divided by the scale: an edge that lies exactly
    // on a half pixel stays exact and rounds to the even neighbour.
    const double s = Scale();
    const int left = RoundPage((w - (MFWidth() + 2.0 * m_xOffset) * m_zoom / s) / 2);
    const int top = RoundPage((h - (MFHeight() + 2.0 * m_yOffset) * m_zoom / s) / 2);
    const int right = RoundPage(((MFWidth() - 2.0 * m_xOffset) * m_zoom / s + w) / 2);
    const int bottom = RoundPage(((MFHeight() - 2.0 * m_yOffset) * m_zoom / s + h) / 2);
    return {left, top, right - left, bottom - top};
}

void TGraphEMF::SetFeedback(std::function<void(Canvas &)> draw)
{
    m_feedback = std::move(draw);
    repaint();
}

void TGraphEMF::ClearFeedback()
{
    m_feedback = nullptr;
    repaint();
}

void TGraphEMF::RepaintNow()
{
    ClearFeedback();
}

void TGraphEMF::SetCursorShape(int number)
{
    m_cursorShape = number;
    setCursor(PointerShape(number));
}

void TGraphEMF::PictureChanged()
{
    m_frameValid = false;
    m_stretchedValid = false;
    emit PageChanged();
}

void TGraphEMF::PaintMarks(Canvas &) {}

void TGraphEMF::TrackMouse(int, int) {}

TGraphEMF::FrameKey TGraphEMF::frameKey() const
{
    return {size(), devicePixelRatioF(), m_zoom, m_xOffset, m_yOffset, MFWidth(), MFHeight()};
}

const QPixmap &TGraphEMF::pageFrame()
{
    const FrameKey key = frameKey();
    if (m_frameValid && m_frameKey == key)
        return m_frame;
    const QSize pixels = (QSizeF(key.Size) * key.Ratio).toSize();
    if (m_frame.size() != pixels)
        m_frame = QPixmap(pixels);
    m_frame.setDevicePixelRatio(key.Ratio);
    composePage(m_frame);
    m_frameKey = key;
    m_frameValid = true;
    return m_frame;
}

const QPixmap *TGraphEMF::stretchedPicture()
{
    // Sized from the zoom alone, not from the rounded page rectangle, so
    // that scrolling keeps the same stretched picture.
    const double ratio = devicePixelRatioF();
    const double k = m_zoom / Scale() * ratio;
    const QSize size(RoundPage(MFWidth() * k), RoundPage(MFHeight() * k));
    if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxStretchedPixels)
        return nullptr;
    if (m_stretchedValid && m_stretched.size() == size && m_stretched.devicePixelRatio() == ratio)
        return &m_stretched;
    m_stretched = replayed(size, QRectF(0, 0, size.width(), size.height()));
    m_stretched.setDevicePixelRatio(ratio);
    m_stretchedValid = true;
    return &m_stretched;
}

QPixmap TGraphEMF::replayed(QSize pixels, const QRectF &page) const
{
    // Painted at one pixel per device pixel, then tagged with the ratio:
    // lines land on whole device pixels.
    QPixmap image(pixels);
    image.fill(Qt::white);
    QPainter p(&image);
    ReplayPicture(p, *m_picture, page, TReplayPixels::Whole);
    return image;
}

void TGraphEMF::composePage(QPixmap &target)
{
    target.fill(Qt::white);
    const QRect page = PageRect();
    if (page.isNull())
        return;
    QPainter p(&target);
    const QRect visible = page.intersected(rect());
    if (!visible.isEmpty()) {
        p.save();
        p.setClipRect(visible);
        if (const QPixmap *whole = stretchedPicture()) {
            // The rounded rectangle may differ from the stretched size by a
            // pixel: the picture is drawn unscaled and clipped to it.
            p.drawPixmap(page.topLeft(), *whole);
        } else {
            const double ratio = devicePixelRatioF();
            const QPointF origin = QPointF(page.topLeft() - visible.topLeft()) * ratio;
            QPixmap part = replayed((QSizeF(visible.size()) * ratio).toSize(),
                                    QRectF(origin, QSizeF(page.size()) * ratio));
            part.setDevicePixelRatio(ratio);
            p.drawPixmap(visible.topLeft(), part);
        }
        p.restore();
    }
    const int l = page.left();
    const int t = page.top();
    const int r = page.left() + page.width();
    const int b = page.top() + page.height();
    frameRect(p, l - 2, t - 2, r + 2, b + 2);
    frameRect(p, l - 3, t - 2, r + 2, b + 3);
}

void TGraphEMF::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, pageFrame());
    // Marks are recorded in control pixels and replayed 1:1, through the
    // same drawing path as the page.
    PagePicture marks(width(), height());
    RecordingCanvas screen(marks);
    PaintMarks(screen);
    if (m_feedback)
        m_feedback(screen);
    if (!marks.IsEmpty())
        ReplayPicture(p, marks, QRectF(0, 0, width(), height()));
}

void TGraphEMF::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = eventPoint(event);
    emit MouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void TGraphEMF::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = eventPoint(event);
    TrackMouse(at.x(), at.y());
    emit MouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void TGraphEMF::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = eventPoint(event);
    emit MouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

void TGraphEMF::resizeEvent(QResizeEvent *)
{
    const int before = m_zoom;
    SetZoom(m_zoom);
    emit Resized(m_zoom != before);
}

#include "app/PageNavigation.h"
#include "page/TGraphEMF.h"
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <cmath>

namespace
{

// One notch of a common mouse wheel, in eighths of a degree.
constexpr int kNotch = 120;

// Whole notches out of the turn accumulated in pending.
int notches(int &pending, int angle)
{
    pending += angle;
    const int whole = pending / kNotch;
    pending -= whole * kNotch;
    return whole;
}

void scrollBy(QScrollBar *bar, int notches)
{
    bar->setValue(bar->value() - notches * QApplication::wheelScrollLines() * bar->singleStep());
}

} // namespace

TPageNavigation::TPageNavigation(TGraphEMF &view, const Controls &controls)
    : QObject(&view), m_view(view), m_controls(controls)
{
    view.setFocusPolicy(Qt::StrongFocus);
    view.installEventFilter(this);
}

bool TPageNavigation::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        wheel(*static_cast<QWheelEvent *>(event));
        return true;
    }
    if (event->type() == QEvent::KeyPress)
        return key(*static_cast<QKeyEvent *>(event));
    return QObject::eventFilter(watched, event);
}

void TPageNavigation::wheel(const QWheelEvent &event)
{
    // Some systems turn Shift+wheel into a horizontal turn themselves.
    const QPoint angle = event.angleDelta();
    if (event.modifiers() & Qt::ControlModifier) {
        zoomAt(event.position(), notches(m_pendingZoom, angle.y() ? angle.y() : angle.x()));
    } else if (event.modifiers() & Qt::ShiftModifier) {
        scrollBy(m_controls.Horizontal,
                 notches(m_pending.rx(), angle.y() ? angle.y() : angle.x()));
    } else {
        scrollBy(m_controls.Horizontal, notches(m_pending.rx(), angle.x()));
        scrollBy(m_controls.Vertical, notches(m_pending.ry(), angle.y()));
    }
}

void TPageNavigation::zoomAt(QPointF at, int notches)
{
    QAction *zoom = notches > 0 ? m_controls.ZoomIn : m_controls.ZoomOut;
    for (int i = 0; i < std::abs(notches) && zoom->isEnabled(); ++i) {
        // The page point under the mouse lies (at - centre) * Scale / Zoom
        // from the offset; it stays put when the offset moves by the change.
        const double before = m_view.Scale() / m_view.Zoom();
        const QPointF offset(m_view.XOffset(), m_view.YOffset());
        zoom->trigger();
        const QPointF shift = (at - QPointF(m_view.width(), m_view.height()) / 2) *
                              (before - m_view.Scale() / m_view.Zoom());
        m_controls.Horizontal->setValue(int(std::lround(offset.x() + shift.x())));
        m_controls.Vertical->setValue(int(std::lround(offset.y() + shift.y())));
    }
}

bool TPageNavigation::key(const QKeyEvent &event)
{
    using A = QAbstractSlider::SliderAction;
    static constexpr struct {
        int Key;
        bool Horizontal;
        A Action;
    } keys[] = {
        {Qt::Key_Left, true, A::SliderSingleStepSub},  {Qt::Key_Right, true, A::SliderSingleStepAdd},
        {Qt::Key_Up, false, A::SliderSingleStepSub},   {Qt::Key_Down, false, A::SliderSingleStepAdd},
        {Qt::Key_PageUp, false, A::SliderPageStepSub}, {Qt::Key_PageDown, false, A::SliderPageStepAdd},
        {Qt::Key_Home, false, A::SliderToMinimum},     {Qt::Key_End, false, A::SliderToMaximum},
    };
    for (const auto &k : keys) {
        if (k.Key == event.key()) {
            (k.Horizontal ? m_controls.Horizontal : m_controls.Vertical)->triggerAction(k.Action);
            return true;
        }
    }
    return false;
}

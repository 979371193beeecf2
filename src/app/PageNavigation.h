#pragma once
// Wheel and keyboard navigation of the page view. The wheel scrolls
// vertically, Shift+wheel horizontally, Ctrl+wheel runs the zoom commands
// (a disabled command does nothing) and keeps the page point under the mouse
// where it was, as far as the offsets allow. The view takes the keyboard
// focus on a click; the arrows then scroll by a step, Page Up and Page Down
// by a page, Home and End go to the top and the bottom. Everything moves the
// scroll bars, whose change handler sets the view's offsets.
#include <QObject>
#include <QPoint>

class QAction;
class QKeyEvent;
class QScrollBar;
class QWheelEvent;
class TGraphEMF;

class TPageNavigation : public QObject
{
public:
    struct Controls {
        QScrollBar *Horizontal;
        QScrollBar *Vertical;
        QAction *ZoomIn;
        QAction *ZoomOut;
    };

    // Watches the view's wheel and key events; owned by the view.
    TPageNavigation(TGraphEMF &view, const Controls &controls);

    // The scroll bars' arrow step: about this many pixels of the view.
    static constexpr int StepPixels = 20;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void wheel(const QWheelEvent &event);
    void zoomAt(QPointF at, int notches);
    bool key(const QKeyEvent &event);

    TGraphEMF &m_view;
    Controls m_controls;
    // Wheel turn not yet worth a notch, in eighths of a degree.
    QPoint m_pending;
    int m_pendingZoom = 0;
};

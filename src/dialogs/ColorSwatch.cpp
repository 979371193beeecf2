#include "dialogs/ColorSwatch.h"
#include "dialogs/Prompts.h"
#include "render/QtColor.h"
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

TColorSwatch::TColorSwatch(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
}

void TColorSwatch::SetColor(TColor color)
{
    m_color = color;
    update();
}

void TColorSwatch::Choose()
{
    TColor color = m_color;
    if (!prompts().ChooseColor(this, color))
        return;
    SetColor(color);
    emit ColorChosen(color);
}

void TColorSwatch::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(contentsRect(), ToQColor(m_color));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = contentsRect().adjusted(2, 2, -2, -2);
        focus.backgroundColor = ToQColor(m_color);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    painter.end();
    QFrame::paintEvent(event);
}

void TColorSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Choose();
}

void TColorSwatch::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
            Choose();
            return;
        }
        break;
    default:
        break;
    }
    QFrame::keyPressEvent(event);
}

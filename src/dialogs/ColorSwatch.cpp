#include "dialogs/ColorSwatch.h"
#include "dialogs/Prompts.h"
#include "render/QtColor.h"
#include <QMouseEvent>
#include <QPainter>

TColorSwatch::TColorSwatch(QWidget *parent) : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
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
    painter.end();
    QFrame::paintEvent(event);
}

void TColorSwatch::mouseReleaseEvent(QMouseEvent *event)
{
    QFrame::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Choose();
}

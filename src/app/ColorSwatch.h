#pragma once
// A colour shown as a small panel; a click asks for another colour.
#include "data/TColor.h"
#include <QFrame>

class TColorSwatch : public QFrame
{
    Q_OBJECT
public:
    explicit TColorSwatch(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);

signals:
    void Clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TColor m_color = clBlack;
};

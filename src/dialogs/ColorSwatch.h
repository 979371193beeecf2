#pragma once
// A colour shown as a small sunken panel. A click, or Space or Return while
// it has the keyboard (Tab reaches it), opens the colour chooser preset with
// the panel's colour; on acceptance the panel takes the chosen colour and
// says so.
#include "data/TColor.h"
#include <QFrame>

class TColorSwatch : public QFrame
{
    Q_OBJECT
public:
    explicit TColorSwatch(QWidget *parent = nullptr);

    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    // What a click does: asks for a colour through the prompts.
    void Choose();

signals:
    void ColorChosen(TColor color);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    TColor m_color = clBlack;
};

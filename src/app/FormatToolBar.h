#pragma once
// The formatting tool bar TBAspect: colour, thickness, font name and size of
// the current style. A typed value counts once Return is pressed or its box
// is left, not at every key. The boxes leave the window's undo and redo keys
// to the window: their own text undo never runs.
#include <QToolBar>

class QComboBox;
class QSpinBox;
class TColorSwatch;

class TFormatToolBar : public QToolBar
{
    Q_OBJECT
public:
    // The bar is 29 pixels high whatever its contents.
    static constexpr int Height = 29;
    QSize sizeHint() const override { return {QToolBar::sizeHint().width(), Height}; }
    explicit TFormatToolBar(QWidget *parent = nullptr);

    TColorSwatch *PColor = nullptr;
    QSpinBox *SEEpais = nullptr;
    QComboBox *CBFontName = nullptr;
    QSpinBox *SEFontSize = nullptr;

private:
    void AddGap(int width);
    void AddLabel(const QString &text);
};

#pragma once
// The formatting tool bar TBAspect: colour, thickness, font name and size of
// the current style.
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

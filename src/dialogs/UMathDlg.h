#pragma once
// The XY graph's dialog, on four tabs: the abscissa series and the X scale,
// the shown and hidden series and the Y scale, axis and grid styling, and the
// frame size. The full-scale buttons propose limits from the page's series.
// It opens on "Quadrillage" the first time, afterwards on the tab last used,
// and does not close while an enabled number field holds no number, nor while
// a logarithmic scale's minimum is not above zero.
#include "dialogs/DialogFrame.h"
#include "dialogs/GraphStyleTabs.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class TDatas;

class TMathDlg : public TDialogFrame
{
    Q_OBJECT
public:
    explicit TMathDlg(QWidget *parent = nullptr);

    // The series lists are refilled from datas, which the dialog reads until
    // the next Fill.
    void Fill(const TMathValues &values, const TDatas &datas);
    // The values on OK; every enabled number field holds a number then.
    TMathValues Values() const;

protected:
    bool CanClose() override;

private:
    // The controls of one axis: limits, automatic box, step and its caption,
    // logarithmic box.
    struct Axis {
        QLineEdit *Min;
        QLineEdit *Max;
        QCheckBox *Auto;
        QLineEdit *Pas;
        QLabel *PasLabel;
        QCheckBox *Log;
    };

    void addAxeXTab();
    void addAxeYTab();
    void fillAxis(const Axis &axis, const TAxisValues &values);
    TAxisValues readAxis(const Axis &axis) const;
    // What a click on the automatic box does.
    void autoClicked(const Axis &axis);
    void proposeFullX();
    void proposeFullY();
    void moveSelected(QListWidget &from, QListWidget &to);

    TGraphStyleTabs m_style;
    Axis m_x{};
    Axis m_y{};
    const TDatas *m_datas = nullptr;
};

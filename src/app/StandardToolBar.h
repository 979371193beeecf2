#pragma once
// The standard tool bar ToolBar1: the action buttons in groups, and the
// stretchable separator ToolButton25 (never narrower than a button) that
// keeps HelpAbout at the right end, whether the bar grows or shrinks.
#include <QToolBar>

struct TMainActions;

class TStandardToolBar : public QToolBar
{
    Q_OBJECT
public:
    // The bar is 29 pixels high whatever its contents.
    static constexpr int Height = 29;
    QSize sizeHint() const override { return {QToolBar::sizeHint().width(), Height}; }
    TStandardToolBar(const TMainActions &actions, QWidget *parent = nullptr);

    static constexpr int ButtonWidth = 23;
    static constexpr int SeparatorWidth = 8;

private:
    void AddButton(QAction *action);
    void AddSeparator();
};

#pragma once
// The standard tool bar ToolBar1: the action buttons in groups, and the
// stretchable separator ToolButton25 that keeps HelpAbout at the right end.
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

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void AddButton(QAction *action);
    void AddSeparator();
    void StretchSeparator();

    QWidget *m_stretch = nullptr;
    QWidget *m_drawUp = nullptr;
    QWidget *m_helpAbout = nullptr;
};

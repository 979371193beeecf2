#pragma once
// The status bar StatusBar1: three text panels of 150 pixels, zoom and the
// graph values under the mouse; the last one stretches to the bar's end.
#include <QStatusBar>
#include <array>

class QLabel;

class TStatusPanels : public QStatusBar
{
    Q_OBJECT
public:
    explicit TStatusPanels(QWidget *parent = nullptr);

    static constexpr int PanelCount = 3;
    static constexpr int PanelWidth = 150;

    QString PanelText(int i) const;
    void SetPanelText(int i, const QString &text);

private:
    std::array<QLabel *, PanelCount> m_panels{};
};

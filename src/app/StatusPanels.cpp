#include "app/StatusPanels.h"
#include <QLabel>

TStatusPanels::TStatusPanels(QWidget *parent) : QStatusBar(parent)
{
    setObjectName(QStringLiteral("StatusBar1"));
    const std::array<QString, PanelCount> initial{QStringLiteral("Zoom :"), QStringLiteral("X :"),
                                                  QStringLiteral("Y :")};
    for (int i = 0; i < PanelCount; ++i) {
        auto *panel = new QLabel(initial[size_t(i)], this);
        panel->setObjectName(QStringLiteral("Panel%1").arg(i));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // The last panel takes the rest of the bar: a reading per channel
        // of an oscilloscope screen does not fit in 150 pixels.
        if (i + 1 < PanelCount) {
            panel->setFixedWidth(PanelWidth);
            addWidget(panel);
        } else {
            panel->setMinimumWidth(PanelWidth);
            addWidget(panel, 1);
        }
        m_panels[size_t(i)] = panel;
    }
}

QString TStatusPanels::PanelText(int i) const
{
    return m_panels.at(size_t(i))->text();
}

void TStatusPanels::SetPanelText(int i, const QString &text)
{
    m_panels.at(size_t(i))->setText(text);
}

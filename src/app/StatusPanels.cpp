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
        panel->setFixedWidth(PanelWidth);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        addWidget(panel);
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

#include "app/StandardToolBar.h"
#include "app/MainActions.h"
#include <QFrame>
#include <QLayout>
#include <QToolButton>

namespace
{

constexpr int buttonHeight = 22;

} // namespace

TStandardToolBar::TStandardToolBar(const TMainActions &a, QWidget *parent) : QToolBar(parent)
{
    setObjectName(QStringLiteral("ToolBar1"));
    setMovable(false);
    setFloatable(false);
    setFixedHeight(Height);
    setIconSize(QSize(16, 16));
    // Buttons sit edge to edge, as the stretch rule assumes.
    layout()->setSpacing(0);
    layout()->setContentsMargins(0, 0, 0, 0);

    for (QAction *action : {a.Load, a.Save})
        AddButton(action);
    AddSeparator();
    for (QAction *action : {a.Isis, a.TDS, a.Copier})
        AddButton(action);
    AddSeparator();
    for (QAction *action : {a.ZoomIn, a.ZoomOut, a.ZoomFull})
        AddButton(action);
    AddSeparator();
    for (QAction *action : {a.AddGraph, a.DeleteGraph})
        AddButton(action);
    AddSeparator();
    for (QAction *action : {a.AddTexte, a.AddLine, a.AddArrow, a.AddRecta, a.AddCircle,
                            a.AddHMarker, a.AddVMarker, a.AddDelete})
        AddButton(action);
    AddSeparator();
    for (QAction *action : {a.DrawDown, a.DrawUp})
        AddButton(action);

    auto *stretch = new QWidget(this);
    stretch->setObjectName(QStringLiteral("ToolButton25"));
    stretch->setMinimumSize(ButtonWidth, buttonHeight);
    stretch->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    addWidget(stretch);

    AddButton(a.HelpAbout);
}

void TStandardToolBar::AddButton(QAction *action)
{
    addAction(action);
    QWidget *button = widgetForAction(action);
    button->setObjectName(action->objectName() + QStringLiteral("Button"));
    button->setFixedSize(ButtonWidth, buttonHeight);
}

void TStandardToolBar::AddSeparator()
{
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setFixedSize(SeparatorWidth, buttonHeight);
    addWidget(line);
}

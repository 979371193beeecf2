#include "app/UndoCommands.h"

#include "app/EditingTools.h"
#include "app/MainActions.h"
#include "page/TIsisGraph.h"
#include <QAction>
#include <QKeySequence>
#include <QMenu>

namespace
{

QAction *NewAction(QWidget *owner, const char *name, const QString &text,
                   const QList<QKeySequence> &keys)
{
    auto *action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty("category", QStringLiteral("Edition"));
    action->setShortcuts(keys);
    owner->addAction(action);
    return action;
}

// "Annuler : déplacer le texte", or the bare verb when there is no change.
void Describe(QAction *action, const QString &verb, bool possible, const QString &change)
{
    action->setEnabled(possible);
    action->setToolTip(possible ? verb + QStringLiteral(" : ") + change : verb);
}

} // namespace

TUndoCommands::TUndoCommands(const TMainActions &actions, TIsisGraph &view, TEditingTools &tools,
                             QMenu &edition, QAction *before, std::function<void()> refreshView,
                             QWidget *owner)
    : QObject(owner),
      Annuler(NewAction(owner, "Annuler", QStringLiteral("&Annuler"), {QKeySequence(Qt::CTRL | Qt::Key_Z)})),
      Retablir(NewAction(owner, "Retablir", QStringLiteral("&Rétablir"),
                         {QKeySequence(Qt::CTRL | Qt::Key_Y),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})),
      m_actions(actions), m_view(view), m_tools(tools), m_refreshView(std::move(refreshView))
{
    edition.insertActions(before, {Annuler, Retablir});
    edition.insertSeparator(before);
    edition.setToolTipsVisible(true);
    connect(Annuler, &QAction::triggered, this, [this] { Travel(&TIsisGraph::Undo); });
    connect(Retablir, &QAction::triggered, this, [this] { Travel(&TIsisGraph::Redo); });
    connect(&m_view, &TIsisGraph::HistoryChange, this, &TUndoCommands::ShowHistory);
    ShowHistory();
}

void TUndoCommands::ShowHistory()
{
    const TPageHistory &history = m_view.History();
    Describe(Annuler, QStringLiteral("Annuler"), history.CanUndo(), history.UndoName());
    Describe(Retablir, QStringLiteral("Rétablir"), history.CanRedo(), history.RedoName());
}

void TUndoCommands::Travel(void (TIsisGraph::*step)())
{
    m_tools.SelectTool(nullptr);
    m_view.TrackCursor = true;
    (m_view.*step)();
    m_actions.DeleteGraph->setEnabled(m_view.GraphCount() >= 2);
    m_refreshView();
}

#pragma once
// "&Annuler" and "&Rétablir" in the Edition menu: enabled while the page has
// a change to undo (redo), the change's name in their tool tips ("Annuler :
// déplacer le texte"). Undoing disarms the mouse tools and brings the window
// up to date with the page put back.
#include <QObject>
#include <functional>

class QAction;
class QMenu;
class QWidget;
class TEditingTools;
class TIsisGraph;
struct TMainActions;

class TUndoCommands : public QObject
{
    Q_OBJECT
public:
    // Puts both actions in edition before the action before, and in owner
    // so that their shortcuts work wherever the focus is in the window.
    TUndoCommands(const TMainActions &actions, TIsisGraph &view, TEditingTools &tools,
                  QMenu &edition, QAction *before, std::function<void()> refreshView,
                  QWidget *owner);

    QAction *Annuler;
    QAction *Retablir;

private:
    void ShowHistory();
    void Travel(void (TIsisGraph::*step)());

    const TMainActions &m_actions;
    TIsisGraph &m_view;
    TEditingTools &m_tools;
    std::function<void()> m_refreshView;
};

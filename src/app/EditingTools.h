#pragma once
// The mouse tools of the page view: the eight exclusive tool actions, what a
// press, a drag and a release do with each, the rubber bands and handle
// frames drawn while dragging, and the graph and element commands that end a
// tool (AddGraph, AddDelete, DrawUp, DrawDown).
#include "app/MainActions.h"
#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>

class QAction;
class TAxe;
class TDessin;
class TIsisGraph;

class TEditingTools : public QObject
{
    Q_OBJECT
public:
    // refreshView brings the window's zoom controls up to date after a
    // graph deletion.
    TEditingTools(const TMainActions &actions, TIsisGraph &view,
                  std::function<void()> refreshView, QObject *parent = nullptr);

    // Page-view pixel of the press in progress; X is -1 when there is none.
    QPoint DownPoint{-1, -1};

    // Deselects and disarms every tool but source, which keeps its state.
    void SelectTool(QAction *source);

private:
    void ToolTriggered(QAction *tool, int shape, bool checked);
    void MouseDown(int x, int y);
    void MouseMove(int x, int y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void DeleteGraphAt(int x, int y);
    // A left release over the press graph g at control pixel (x, y).
    void LeftRelease(TAxe &g, Qt::KeyboardModifiers shift, int x, int y);
    // Moves or resizes the selection when the press was on one of its
    // handles; false otherwise.
    bool DragHandle(QPoint down, QPoint up);
    // The checked tool action, or nullptr.
    QAction *ArmedTool() const;
    // Creates with the armed creation tool from the press to the release
    // (page points) and disarms it; false when none is armed.
    bool Create(TAxe &g, QPoint down, QPoint up);
    std::unique_ptr<TDessin> MakeShape(QAction *tool, TAxe &g, QPoint down, QPoint up) const;
    void AddTexte(TAxe &g, QPoint at);
    bool PressedOnMoveHandle() const;
    bool PressedOnSizeHandle() const;
    // Rubber band of the armed creation tool from the press to (x, y);
    // false when no such tool is armed.
    bool RubberBand(int x, int y);
    void HandleFeedback(int x, int y);
    void AddDelete();
    // Takes the selection out of its graph's list and puts it back at the
    // front (up) or at the back (down).
    void Restack(bool up);

    const TMainActions &m_actions;
    TIsisGraph &m_view;
    std::function<void()> m_refreshView;
};

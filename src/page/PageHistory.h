#pragma once
// The page's undo history: the page's state before each change, with the
// change's name, and the state it came to. States are opaque byte strings
// (the page's lines without the series samples); equal bytes mean an equal
// page, so a command that changed nothing records no step. The history also
// knows the saved state, so that undoing back to it leaves nothing unsaved.
#include <QByteArray>
#include <QString>
#include <deque>
#include <vector>

class TPageHistory
{
public:
    // Steps kept; recording one more forgets the oldest.
    static constexpr int MaxSteps = 100;

    // Starts over from state: nothing to undo or redo, and state is saved.
    void Start(const QByteArray &state);
    // The state after a change named change; false, and nothing recorded,
    // when the state did not change. Drops every step that could be redone.
    bool Record(const QString &change, const QByteArray &state);
    // The present state counts as saved.
    void MarkSaved() { m_saved = m_current; }
    // No state counts as saved, until MarkSaved.
    void MarkUnsaved() { m_saved.clear(); }
    bool Modified() const { return m_current != m_saved; }
    // How many times the history started over: a page of another
    // generation may hold other series.
    int Generation() const { return m_generation; }

    bool CanUndo() const { return !m_undo.empty(); }
    bool CanRedo() const { return !m_redo.empty(); }
    // Names of the change that Undo (Redo) would undo (redo); empty if none.
    QString UndoName() const { return CanUndo() ? m_undo.back().Change : QString(); }
    QString RedoName() const { return CanRedo() ? m_redo.back().Change : QString(); }
    // The state Undo (Redo) goes to; only while CanUndo (CanRedo).
    const QByteArray &UndoState() const { return m_undo.back().State; }
    const QByteArray &RedoState() const { return m_redo.back().State; }
    // Moves one step back (forward); only while CanUndo (CanRedo).
    void Undo();
    void Redo();

private:
    struct Step {
        QString Change;
        QByteArray State;
    };

    std::deque<Step> m_undo;   // states before each change, newest last
    std::vector<Step> m_redo;  // states after each undone change, newest last
    QByteArray m_current;
    QByteArray m_saved;
    int m_generation = 0;
};

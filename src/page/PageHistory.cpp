#include "page/PageHistory.h"

void TPageHistory::Start(const QByteArray &state)
{
    m_undo.clear();
    m_redo.clear();
    m_current = state;
    m_saved = state;
    ++m_generation;
}

bool TPageHistory::Record(const QString &change, const QByteArray &state)
{
    if (state == m_current)
        return false;
    m_undo.push_back({change, m_current});
    if (int(m_undo.size()) > MaxSteps)
        m_undo.pop_front();
    m_redo.clear();
    m_current = state;
    return true;
}

void TPageHistory::Undo()
{
    Step step = std::move(m_undo.back());
    m_undo.pop_back();
    m_redo.push_back({step.Change, m_current});
    m_current = std::move(step.State);
}

void TPageHistory::Redo()
{
    Step step = std::move(m_redo.back());
    m_redo.pop_back();
    m_undo.push_back({step.Change, m_current});
    m_current = std::move(step.State);
}

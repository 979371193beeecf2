#include "app/RecoveryWriter.h"
#include <QMetaObject>

TRecoveryWriter::TRecoveryWriter() : m_thread([this] { Run(); }) {}

TRecoveryWriter::~TRecoveryWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

void TRecoveryWriter::Post(Kind kind, Job job)
{
    {
        std::lock_guard lock(m_mutex);
        if (!m_jobs.empty() && m_jobs.back().kind == kind)
            m_jobs.back().job = std::move(job);
        else
            m_jobs.push_back({kind, std::move(job)});
    }
    m_wake.notify_one();
}

void TRecoveryWriter::Wait()
{
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_jobs.empty() && !m_busy; });
}

void TRecoveryWriter::Run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
        if (m_jobs.empty())
            return;
        Job job = std::move(m_jobs.front().job);
        m_jobs.pop_front();
        m_busy = true;
        lock.unlock();
        const QString why = job();
        if (!why.isEmpty())
            QMetaObject::invokeMethod(this, [this, why] { emit Failed(why); }, Qt::QueuedConnection);
        lock.lock();
        m_busy = false;
        m_idle.notify_all();
    }
}

#include "app/RecoveryWriter.h"
#include <QMetaObject>
#include <new>
#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

namespace
{

// When the copy and the editing compete for a processor, editing goes first.
void YieldToEditing()
{
#if defined(__linux__)
    setpriority(PRIO_PROCESS, id_t(gettid()), 10);
#endif
}

} // namespace

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
    YieldToEditing();
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || !m_jobs.empty(); });
        if (m_jobs.empty())
            return;
        Job job = std::move(m_jobs.front().job);
        m_jobs.pop_front();
        m_busy = true;
        lock.unlock();
        QString why;
        try {
            why = job();
        } catch (const std::bad_alloc &) {
            why = QStringLiteral("mémoire insuffisante");
        }
        if (!why.isEmpty())
            QMetaObject::invokeMethod(this, [this, why] { emit Failed(why); }, Qt::QueuedConnection);
        lock.lock();
        m_busy = false;
        m_idle.notify_all();
    }
}

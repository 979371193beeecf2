#pragma once
// Writes the recovery copy on a thread of its own, so that editing never
// waits for the disk. Jobs run in the order they were posted; a job posted
// while another of the same kind waits, last in the queue, replaces it.
// Failures come back on the thread that made the writer, through Failed.
#include <QObject>
#include <QString>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

class TRecoveryWriter : public QObject
{
    Q_OBJECT
public:
    enum class Kind { Room, Series, Page, Removal };
    // Returns the French reason of a failure, empty on success.
    using Job = std::function<QString()>;

    TRecoveryWriter();
    // Runs the jobs still waiting, then ends the thread.
    ~TRecoveryWriter() override;

    void Post(Kind kind, Job job);
    // Returns once every job posted so far has run.
    void Wait();

signals:
    void Failed(const QString &why);

private:
    struct Entry {
        Kind kind;
        Job job;
    };

    void Run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Entry> m_jobs;
    bool m_busy = false;
    bool m_stop = false;
    std::thread m_thread;
};

#pragma once
// The recovery copy of the page while it has unsaved changes. A change
// schedules a copy (see RecoverySchedule.h), written to disk on the writer's
// thread. The page part is made on the page's thread, in well under a
// millisecond. The samples part is written once per series generation (an
// import, an opening) from a copy of the series: the writer's thread first
// makes room for it, which is what costs (fresh memory), then the page's
// thread copies the samples into that room, a few milliseconds for millions
// of samples. Saving, or undoing back to the saved page, removes the page
// part; Close removes the whole copy.
#include "app/RecoveryFolder.h"
#include "app/RecoverySchedule.h"
#include "app/RecoveryWriter.h"
#include <QDateTime>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>

class TDatas;
class TIsisGraph;

class TRecovery : public QObject
{
    Q_OBJECT
public:
    using TClock = std::function<QDateTime()>;

    TRecovery(TIsisGraph &page, const QString &folder, TRecoveryDelays delays = {},
              TClock clock = &QDateTime::currentDateTimeUtc);
    // Leaves the copy on disk: only Close removes it.
    ~TRecovery() override;

    // Takes this instance's lock in the folder. Returns the French reason
    // why no copy can be kept, empty when copies are kept.
    QString Start();
    TRecoveryFolder &Folder() { return m_folder; }

    // When the next copy is due, in the clock's milliseconds; nothing when
    // no copy is waiting.
    std::optional<qint64> DueAt() const { return m_dueAt; }
    // Makes the copy now when the page has unsaved changes (what the timer
    // does when the copy is due).
    void WriteNow();
    // Returns once the files asked for so far are written.
    void Wait();
    // Takes over the copy the page was just recovered from, stamp being the
    // stamp of its series. False when its files could not be moved.
    bool Adopt(TOrphanCopy &orphan, const QString &stamp);
    // The normal end: the copy goes, with the lock.
    void Close();

signals:
    // A copy could not be written; why is French.
    void Failed(const QString &why);

private:
    enum class SeriesState { Pending, Written, Failed };
    // Where the writer's thread leaves the room it made for a copy of the
    // series of one generation.
    struct TSeriesRoom {
        std::mutex Mutex;
        bool Ready = false;
        int Generation = -1;
        std::shared_ptr<TDatas> Datas; // null when it could not be made
    };

    void Changed();
    qint64 Now() const { return m_clock().toMSecsSinceEpoch(); }
    void AskRoom();
    // Copies the series into the room once it is ready and posts their
    // writing; false when no room was ready.
    bool FillRoom();
    void PostSeries(std::shared_ptr<const TDatas> series);
    void PostPage();

    TIsisGraph &m_page;
    TRecoveryFolder m_folder;
    TRecoveryDelays m_delays;
    TClock m_clock;
    QTimer m_timer;
    std::optional<qint64> m_firstUnwritten;
    qint64 m_lastChange = 0;
    std::optional<qint64> m_dueAt;
    // The series generation the samples part on disk holds, and its stamp.
    int m_seriesGeneration = -1;
    QString m_stamp;
    std::shared_ptr<std::atomic<SeriesState>> m_series;
    std::shared_ptr<TSeriesRoom> m_room = std::make_shared<TSeriesRoom>();
    bool m_awaitingRoom = false;
    bool m_pageOnDisk = false;
    // Last, so that it is the first to go: its thread ends before the rest.
    TRecoveryWriter m_writer;
};

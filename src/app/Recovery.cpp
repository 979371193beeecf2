#include "app/Recovery.h"
#include "data/TDatas.h"
#include "page/RecoveryCopy.h"
#include "page/TIsisGraph.h"
#include "render/FileSave.h"
#include <QFile>
#include <QRandomGenerator>
#include <new>

TRecovery::TRecovery(TIsisGraph &page, const QString &folder, TRecoveryDelays delays,
                     TClock clock)
    : m_page(page), m_folder(folder), m_delays(delays), m_clock(std::move(clock))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &TRecovery::WriteNow);
    connect(&m_page, &TIsisGraph::HistoryChange, this, &TRecovery::Changed);
    connect(&m_page, &TIsisGraph::DocumentNamed, this, &TRecovery::Changed);
    connect(&m_writer, &TRecoveryWriter::Failed, this, &TRecovery::Failed);
}

TRecovery::~TRecovery() = default;

QString TRecovery::Start()
{
    return m_folder.Claim();
}

void TRecovery::Changed()
{
    if (!m_folder.Claimed())
        return;
    if (!m_page.Modified()) {
        m_timer.stop();
        m_firstUnwritten.reset();
        m_dueAt.reset();
        if (m_pageOnDisk)
            m_writer.Post(TRecoveryWriter::Kind::Removal, [path = m_folder.PagePath()] {
                QFile::remove(path);
                return QString();
            });
        m_pageOnDisk = false;
        return;
    }
    const qint64 now = Now();
    if (!m_firstUnwritten)
        m_firstUnwritten = now;
    m_lastChange = now;
    const qint64 delay = RecoveryWriteDelay(now, *m_firstUnwritten, m_lastChange, m_delays);
    m_dueAt = now + delay;
    m_timer.start(int(delay));
}

void TRecovery::WriteNow()
{
    m_timer.stop();
    m_firstUnwritten.reset();
    m_dueAt.reset();
    // Once the series are copied, the page part follows them.
    if (!m_folder.Claimed() || !m_page.Modified() || m_awaitingRoom)
        return;
    if (m_seriesGeneration != m_page.History().Generation() || !m_series ||
        *m_series == SeriesState::Failed)
        return AskRoom();
    PostPage();
}

void TRecovery::AskRoom()
{
    m_awaitingRoom = true;
    m_seriesGeneration = m_page.History().Generation();
    m_writer.Post(TRecoveryWriter::Kind::Room, [this, room = m_room, shape = m_page.Datas->Shape(),
                                                generation = m_seriesGeneration] {
        std::shared_ptr<TDatas> datas;
        QString why;
        try {
            datas = std::make_shared<TDatas>(TDatas::OfShape(shape));
        } catch (const std::bad_alloc &) {
            why = QStringLiteral("mémoire insuffisante pour copier les séries");
        }
        {
            std::lock_guard lock(room->Mutex);
            room->Ready = true;
            room->Generation = generation;
            room->Datas = std::move(datas);
        }
        QMetaObject::invokeMethod(this, [this] { FillRoom(); }, Qt::QueuedConnection);
        return why;
    });
}

bool TRecovery::FillRoom()
{
    std::shared_ptr<TDatas> datas;
    int generation = -1;
    {
        std::lock_guard lock(m_room->Mutex);
        if (!m_room->Ready)
            return false;
        m_room->Ready = false;
        generation = m_room->Generation;
        datas = std::move(m_room->Datas);
    }
    m_awaitingRoom = false;
    if (!m_folder.Claimed())
        return true;
    if (datas && generation == m_page.History().Generation() && datas->CopyFrom(*m_page.Datas)) {
        PostSeries(std::move(datas));
        if (m_page.Modified())
            PostPage();
        return true;
    }
    // Series of an older generation: the present ones are asked for. A room
    // that could not be made waits for the next change.
    m_seriesGeneration = -1;
    if (datas)
        WriteNow();
    return true;
}

void TRecovery::PostSeries(std::shared_ptr<const TDatas> series)
{
    m_stamp = QString::number(QRandomGenerator::system()->generate64(), 16);
    m_series = std::make_shared<std::atomic<SeriesState>>(SeriesState::Pending);
    m_writer.Post(TRecoveryWriter::Kind::Series, [series, stamp = m_stamp, state = m_series,
                                                   page = m_folder.PagePath(),
                                                   path = m_folder.SeriesPath()] {
        // A page part never names series other than those on disk.
        QFile::remove(page);
        const QString why = SaveFileAtomically(
            path, [&](QIODevice &file) { return WriteRecoverySamples(file, *series, stamp); });
        *state = why.isEmpty() ? SeriesState::Written : SeriesState::Failed;
        return why;
    });
}

void TRecovery::PostPage()
{
    const QByteArray bytes = RecoveryPageBytes(m_page, {m_stamp, m_page.FileName, m_clock()});
    m_writer.Post(TRecoveryWriter::Kind::Page,
                  [bytes, state = m_series, path = m_folder.PagePath()] {
                      // Without its series, the failure was told already.
                      if (*state != SeriesState::Written)
                          return QString();
                      return SaveFileAtomically(path, bytes);
                  });
    m_pageOnDisk = true;
}

void TRecovery::Wait()
{
    m_writer.Wait();
    while (FillRoom())
        m_writer.Wait();
}

bool TRecovery::Adopt(TOrphanCopy &orphan, const QString &stamp)
{
    Wait();
    if (!m_folder.Adopt(orphan))
        return false;
    m_seriesGeneration = m_page.History().Generation();
    m_stamp = stamp;
    m_series = std::make_shared<std::atomic<SeriesState>>(SeriesState::Written);
    m_pageOnDisk = true;
    return true;
}

void TRecovery::Close()
{
    m_timer.stop();
    m_dueAt.reset();
    m_writer.Wait();
    m_folder.Release();
}

#pragma once
// The folder of recovery copies. Each running instance holds the lock
// NAME.lock for the name it took, and writes its copy beside it: NAME.page
// (the page part) and NAME.series (the samples part). The copy of an
// instance that no longer runs is an orphan: the instance that takes its
// lock offers it, and nobody touches the copy of an instance still running.
#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

class QLockFile;

// The copy of an instance that ended without closing, locked by this one.
class TOrphanCopy
{
public:
    TOrphanCopy(QString pagePath, QString seriesPath, std::unique_ptr<QLockFile> lock);
    TOrphanCopy(TOrphanCopy &&) noexcept;
    TOrphanCopy &operator=(TOrphanCopy &&) noexcept;
    ~TOrphanCopy();

    const QString &PagePath() const { return m_pagePath; }
    const QString &SeriesPath() const { return m_seriesPath; }
    QDateTime Modified() const;

    // Removes the copy.
    void Discard();
    // Moves the copy's files that exist to those paths, replacing what is
    // there; false when one could not be moved.
    bool MoveTo(const QString &pagePath, const QString &seriesPath);

private:
    QString m_pagePath;
    QString m_seriesPath;
    std::unique_ptr<QLockFile> m_lock;
};

class TRecoveryFolder
{
public:
    explicit TRecoveryFolder(QString path);
    ~TRecoveryFolder();
    TRecoveryFolder(const TRecoveryFolder &) = delete;
    TRecoveryFolder &operator=(const TRecoveryFolder &) = delete;

    // AppDataLocation/recovery; empty when the system gives no such place.
    static QString UserFolder();

    const QString &Path() const { return m_path; }
    // Moves a copy that cannot be read into the folder of such copies and
    // returns that folder, or empty when it could not be moved.
    QString SetAside(TOrphanCopy &orphan) const;

    // Makes the folder and takes a fresh name with its lock. Returns the
    // French reason of a failure, empty on success.
    QString Claim();
    bool Claimed() const { return m_lock != nullptr; }
    // This instance's copy.
    QString PagePath() const { return FilePath(m_name, PageSuffix); }
    QString SeriesPath() const { return FilePath(m_name, SeriesSuffix); }

    // The copies left by instances that no longer run, newest first. Files
    // of such instances without a page part are removed.
    std::vector<TOrphanCopy> TakeOrphans();
    // Makes an orphan this instance's copy; false when it could not be moved.
    bool Adopt(TOrphanCopy &orphan);

    // Removes this instance's copy and gives up its lock.
    void Release();

private:
    static constexpr const char *PageSuffix = ".page";
    static constexpr const char *SeriesSuffix = ".series";
    static constexpr const char *LockSuffix = ".lock";

    QString FilePath(const QString &name, const char *suffix) const;
    // The names of other instances found in the folder.
    std::vector<QString> OtherNames() const;

    QString m_path;
    QString m_name;
    std::unique_ptr<QLockFile> m_lock;
};

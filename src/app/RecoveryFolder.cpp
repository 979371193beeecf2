#include "app/RecoveryFolder.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <algorithm>

namespace
{

// Under the folder of copies.
const QString SetAsideFolder = QStringLiteral("illisibles");

std::unique_ptr<QLockFile> TryLock(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    // Only an instance that no longer runs leaves its lock, however old.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0))
        return nullptr;
    return lock;
}

bool MoveFile(const QString &from, const QString &to)
{
    if (!QFileInfo::exists(from))
        return true;
    QFile::remove(to);
    return QFile::rename(from, to);
}

} // namespace

TOrphanCopy::TOrphanCopy(QString pagePath, QString seriesPath, std::unique_ptr<QLockFile> lock)
    : m_pagePath(std::move(pagePath)), m_seriesPath(std::move(seriesPath)), m_lock(std::move(lock))
{
}

TOrphanCopy::TOrphanCopy(TOrphanCopy &&) noexcept = default;
TOrphanCopy &TOrphanCopy::operator=(TOrphanCopy &&) noexcept = default;
TOrphanCopy::~TOrphanCopy() = default;

QDateTime TOrphanCopy::Modified() const
{
    return QFileInfo(m_pagePath).lastModified();
}

void TOrphanCopy::Discard()
{
    QFile::remove(m_pagePath);
    QFile::remove(m_seriesPath);
    m_lock.reset();
}

bool TOrphanCopy::MoveTo(const QString &pagePath, const QString &seriesPath)
{
    const bool moved = MoveFile(m_pagePath, pagePath) && MoveFile(m_seriesPath, seriesPath);
    m_lock.reset();
    return moved;
}

TRecoveryFolder::TRecoveryFolder(QString path) : m_path(std::move(path)) {}

TRecoveryFolder::~TRecoveryFolder() = default;

QString TRecoveryFolder::UserFolder()
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return data.isEmpty() ? QString() : data + QStringLiteral("/recovery");
}

QString TRecoveryFolder::FilePath(const QString &name, const char *suffix) const
{
    return m_path + QLatin1Char('/') + name + QLatin1String(suffix);
}

QString TRecoveryFolder::Claim()
{
    if (m_path.isEmpty())
        return QStringLiteral("le dossier de données de l'utilisateur est inconnu.");
    if (!QDir().mkpath(m_path))
        return QStringLiteral("impossible de créer le dossier « %1 ».").arg(m_path);
    for (int attempt = 0; attempt < 8 && !m_lock; ++attempt) {
        m_name = QStringLiteral("%1-%2")
                     .arg(QCoreApplication::applicationPid())
                     .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
        m_lock = TryLock(FilePath(m_name, LockSuffix));
    }
    if (!m_lock)
        return QStringLiteral("impossible de verrouiller une copie dans « %1 ».").arg(m_path);
    return {};
}

std::vector<QString> TRecoveryFolder::OtherNames() const
{
    std::vector<QString> names;
    const QStringList files =
        QDir(m_path).entryList({QStringLiteral("*") + QLatin1String(PageSuffix),
                                QStringLiteral("*") + QLatin1String(SeriesSuffix),
                                QStringLiteral("*") + QLatin1String(LockSuffix)},
                               QDir::Files);
    for (const QString &file : files) {
        const QString name = file.left(file.lastIndexOf(QLatin1Char('.')));
        if (name != m_name && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

std::vector<TOrphanCopy> TRecoveryFolder::TakeOrphans()
{
    std::vector<TOrphanCopy> orphans;
    for (const QString &name : OtherNames()) {
        std::unique_ptr<QLockFile> lock = TryLock(FilePath(name, LockSuffix));
        if (!lock)
            continue;
        TOrphanCopy orphan(FilePath(name, PageSuffix), FilePath(name, SeriesSuffix),
                           std::move(lock));
        if (QFileInfo::exists(orphan.PagePath()))
            orphans.push_back(std::move(orphan));
        else
            orphan.Discard();
    }
    std::sort(orphans.begin(), orphans.end(), [](const TOrphanCopy &a, const TOrphanCopy &b) {
        return a.Modified() > b.Modified();
    });
    return orphans;
}

bool TRecoveryFolder::Adopt(TOrphanCopy &orphan)
{
    return orphan.MoveTo(PagePath(), SeriesPath());
}

QString TRecoveryFolder::SetAside(TOrphanCopy &orphan) const
{
    const QString folder = m_path + QLatin1Char('/') + SetAsideFolder;
    const auto into = [&folder](const QString &path) {
        return folder + QLatin1Char('/') + QFileInfo(path).fileName();
    };
    if (!QDir().mkpath(folder) || !orphan.MoveTo(into(orphan.PagePath()), into(orphan.SeriesPath())))
        return {};
    return folder;
}

void TRecoveryFolder::Release()
{
    if (!m_lock)
        return;
    QFile::remove(PagePath());
    QFile::remove(SeriesPath());
    m_lock.reset();
}

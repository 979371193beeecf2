#include "render/FileSave.h"
#include "data/SystemCause.h"
#include "data/SystemFileName.h"
#include "render/WriteBeside.h"
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace
{

QString CannotWrite(const QString &fileName, const QString &cause)
{
    return QStringLiteral("Impossible d'écrire le fichier « %1 » : %2.")
        .arg(QFileInfo(fileName).absoluteFilePath(), cause);
}

// The reason of a failure of `file`, from errno as the failing call left it.
QString Failure(const QString &fileName, const QSaveFile &file, int error)
{
    const QString cause = SystemCause(error);
    return CannotWrite(fileName, cause.isEmpty() ? file.errorString() : cause);
}

bool Stat(const QString &fileName, struct stat &info)
{
    return stat(SystemFileName(fileName).constData(), &info) == 0;
}

#ifndef Q_OS_WIN
QString SaveUnderSystemName(const QString &fileName, const std::function<bool(QIODevice &)> &write)
{
    errno = 0;
    if (WriteBesideAndRename(SystemFileName(fileName), write))
        return {};
    const int error = errno;
    const QString cause = SystemCause(error);
    return CannotWrite(fileName, !cause.isEmpty() ? cause
                                 : error != 0     ? QString::fromLocal8Bit(std::strerror(error))
                                                  : QStringLiteral("l'écriture a échoué"));
}
#endif

QString RefusedTarget(const QString &fileName, const QStringList &inputs)
{
    struct stat target {};
    const bool exists = Stat(fileName, target);
    if (exists && S_ISDIR(target.st_mode))
        return CannotWrite(fileName, QStringLiteral("c'est un dossier"));
    if (IsSpecialFile(fileName))
        return CannotWrite(fileName, QStringLiteral("ce n'est pas un fichier ordinaire"));
    for (const QString &input : inputs) {
        if (IsSameFile(fileName, input))
            return CannotWrite(fileName, QStringLiteral("c'est le fichier lu, il serait perdu"));
    }
    if (exists && !IsWritableFile(fileName))
        return CannotWrite(fileName, QStringLiteral("le fichier est protégé en écriture"));
    return {};
}

} // namespace

bool IsSameFile(const QString &a, const QString &b)
{
    struct stat first {};
    struct stat second {};
    return Stat(a, first) && Stat(b, second) && first.st_dev == second.st_dev &&
           first.st_ino == second.st_ino;
}

bool IsSpecialFile(const QString &fileName)
{
    struct stat info {};
    return Stat(fileName, info) && !S_ISREG(info.st_mode) && !S_ISDIR(info.st_mode);
}

QString SaveFileAtomically(const QString &fileName, const QByteArray &bytes,
                           const QStringList &inputs)
{
    return SaveFileAtomically(
        fileName, [&bytes](QIODevice &file) { return file.write(bytes) == bytes.size(); }, inputs);
}

QString SaveFileAtomically(const QString &fileName, const std::function<bool(QIODevice &)> &write,
                           const QStringList &inputs)
{
    if (QString refused = RefusedTarget(fileName, inputs); !refused.isEmpty())
        return refused;
#ifndef Q_OS_WIN
    if (!QtSpellsFileName(fileName))
        return SaveUnderSystemName(fileName, write);
#endif
    // Unbuffered: every write reaches the system at once, so errno still
    // holds the cause when a write fails.
    QSaveFile file(fileName);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return Failure(fileName, file, errno);
    errno = 0;
    if (!write(file)) {
        // The temporary file goes with the object: the target stays as it was.
        return Failure(fileName, file, errno);
    }
    errno = 0;
    if (!file.commit())
        return Failure(fileName, file, errno);
    return {};
}

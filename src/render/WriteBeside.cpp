#include "render/WriteBeside.h"
#ifndef Q_OS_WIN
#include <QFile>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// A new file of a fresh name beside the target, with the permissions a new
// file gets, or -1.
int CreateBeside(const QByteArray &target, QByteArray &name)
{
    for (int attempt = 0; attempt < 16; ++attempt) {
        name = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Writes and flushes the file, which it closes.
bool Fill(int fd, const QByteArray &target, const std::function<bool(QIODevice &)> &write)
{
    struct stat old {};
    if (::stat(target.constData(), &old) == 0 && ::fchmod(fd, old.st_mode & 07777) != 0) {
        ::close(fd);
        return false;
    }
    QFile file;
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered,
                   QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    errno = 0;
    const bool written = write(file) && ::fsync(fd) == 0;
    const int error = errno;
    file.close();
    errno = error;
    return written;
}

} // namespace

bool WriteBesideAndRename(const QByteArray &target, const std::function<bool(QIODevice &)> &write)
{
    QByteArray name;
    const int fd = CreateBeside(target, name);
    if (fd < 0)
        return false;
    if (Fill(fd, target, write) && ::rename(name.constData(), target.constData()) == 0)
        return true;
    const int error = errno;
    ::unlink(name.constData());
    errno = error;
    return false;
}

#endif

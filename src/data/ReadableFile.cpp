#include "data/ReadableFile.h"
#include "data/SystemCause.h"
#include "data/SystemFileName.h"
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

QString CannotReadFile(int error)
{
    const QString cause = SystemCause(error);
    return QStringLiteral("Impossible de lire le fichier : %1.")
        .arg(cause.isEmpty() ? QString::fromLocal8Bit(std::strerror(error)) : cause);
}

TReadableFile::~TReadableFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

TReadableFile::TReadableFile(TReadableFile &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_size(std::exchange(other.m_size, 0))
{
}

TReadableFile &TReadableFile::operator=(TReadableFile &&other) noexcept
{
    std::swap(m_fd, other.m_fd);
    std::swap(m_size, other.m_size);
    return *this;
}

bool TReadableFile::Open(const QString &fileName, QString &why)
{
    *this = TReadableFile();
    // Not blocking: opening a pipe with no writer would otherwise wait forever.
    const int fd = ::open(SystemFileName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = CannotReadFile(errno);
        return false;
    }
    TReadableFile opened;
    opened.m_fd = fd;
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        why = CannotReadFile(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        why = S_ISDIR(info.st_mode)
                  ? QStringLiteral("C'est un dossier, pas un fichier.")
                  : QStringLiteral("Ce n'est pas un fichier ordinaire (périphérique ou tube).");
        return false;
    }
    opened.m_size = std::uint64_t(info.st_size);
    *this = std::move(opened);
    return true;
}

std::int64_t TReadableFile::ReadAt(std::uint64_t offset, char *into, std::size_t count,
                                   QString &why) const
{
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::pread(m_fd, into + got, count - got, off_t(offset + got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            why = CannotReadFile(errno);
            return -1;
        }
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    return std::int64_t(got);
}

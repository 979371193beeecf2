#include "data/FileText.h"
#include "data/HugePages.h"
#include "data/SystemCause.h"
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

// The first chunk is read into a small buffer: a file of zeros, however
// large, ends there.
constexpr std::size_t FirstChunk = std::size_t(1) << 20;
constexpr std::size_t Chunk = std::size_t(16) << 20;

QString CannotRead(int error)
{
    const QString cause = SystemCause(error);
    return QStringLiteral("Impossible de lire le fichier : %1.")
        .arg(cause.isEmpty() ? QString::fromLocal8Bit(std::strerror(error)) : cause);
}

// Reads up to `count` bytes at `into`; the number read, or -1.
ssize_t ReadFully(int fd, char *into, std::size_t count)
{
    std::size_t got = 0;
    while (got < count) {
        const ssize_t n = ::read(fd, into + got, count - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        got += std::size_t(n);
    }
    return ssize_t(got);
}

class FileDescriptor
{
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor &) = delete;
    FileDescriptor &operator=(const FileDescriptor &) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

bool TFileText::Read(const QString &fileName, QString &why)
{
    m_bytes.reset();
    m_size = 0;
    // Not blocking: opening a pipe with no writer would otherwise wait forever.
    const FileDescriptor fd(
        ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0) {
        why = CannotRead(errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        why = CannotRead(errno);
        return false;
    }
    if (!S_ISREG(info.st_mode)) {
        why = S_ISDIR(info.st_mode)
                  ? QStringLiteral("C'est un dossier, pas un fichier.")
                  : QStringLiteral("Ce n'est pas un fichier ordinaire (périphérique ou tube).");
        return false;
    }
    try {
        return ReadOpen(fd.Get(), std::size_t(info.st_size), why);
    } catch (const std::bad_alloc &) {
        m_bytes.reset();
        m_size = 0;
        why = QStringLiteral("Mémoire insuffisante pour lire le fichier.");
        return false;
    }
}

// The whole buffer is allocated once the first chunk holds no zero byte;
// its pages are touched only as chunks arrive, and reading stops at the
// first zero byte or at the size the file had when opened.
bool TFileText::ReadOpen(int fd, std::size_t fileSize, QString &why)
{
    std::size_t capacity = std::min(fileSize, FirstChunk);
    m_bytes.reset(new char[capacity]);
    while (m_size < fileSize) {
        if (m_size == capacity) {
            std::unique_ptr<char[]> whole(new char[fileSize]);
            std::memcpy(whole.get(), m_bytes.get(), m_size);
            m_bytes = std::move(whole);
            capacity = fileSize;
        }
        const std::size_t want = std::min(capacity - m_size, Chunk);
        AdviseHugePages(m_bytes.get() + m_size, want);
        const ssize_t got = ReadFully(fd, m_bytes.get() + m_size, want);
        if (got < 0) {
            why = CannotRead(errno);
            return false;
        }
        const void *zero = std::memchr(m_bytes.get() + m_size, 0, std::size_t(got));
        m_size += std::size_t(got);
        if (zero) {
            m_size = std::size_t(static_cast<const char *>(zero) - m_bytes.get());
            break;
        }
        if (std::size_t(got) < want)
            break;
    }
    return true;
}

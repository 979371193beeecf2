#include "data/FileText.h"
#include "data/HugePages.h"
#include "data/ReadableFile.h"
#include "data/Utf16Text.h"
#include <algorithm>
#include <cstring>
#include <new>

namespace
{

// The first chunk is read into a small buffer: a file of zeros, however
// large, ends there.
constexpr std::size_t FirstChunk = std::size_t(1) << 20;
constexpr std::size_t Chunk = std::size_t(16) << 20;

} // namespace

bool TFileText::Read(const QString &fileName, QString &why, TZeroBytes zeros)
{
    m_bytes.reset();
    m_size = 0;
    TReadableFile file;
    if (!file.Open(fileName, why))
        return false;
    try {
        return ReadOpen(file, zeros, why);
    } catch (const std::bad_alloc &) {
        m_bytes.reset();
        m_size = 0;
        why = QStringLiteral("Mémoire insuffisante pour lire le fichier.");
        return false;
    }
}

// The whole buffer is allocated once the first chunk holds no zero byte;
// its pages are touched only as chunks arrive, and reading stops at the
// first zero byte (none ends UTF-16 text when zeros are kept in it) or at
// the size the file had when opened.
bool TFileText::ReadOpen(const TReadableFile &file, TZeroBytes zeros, QString &why)
{
    bool wide = false;
    const std::size_t fileSize = std::size_t(file.Size());
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
        const std::int64_t got = file.ReadAt(m_size, m_bytes.get() + m_size, want, why);
        if (got < 0)
            return false;
        if (m_size == 0 && zeros == TZeroBytes::KeptInUtf16)
            wide = HasUtf16Mark(std::string_view(m_bytes.get(), std::size_t(got)));
        const void *zero =
            wide ? nullptr : std::memchr(m_bytes.get() + m_size, 0, std::size_t(got));
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

#include "data/ByteSource.h"
#include "data/HugePages.h"
#include <algorithm>
#include <utility>

TByteSource::TByteSource(TReadableFile file) : m_file(std::move(file)), m_isFile(true) {}

bool TByteSource::Read(std::uint64_t offset, std::size_t length, std::string_view &bytes,
                       QString &why)
{
    const std::uint64_t size = Size();
    const std::size_t available =
        offset >= size ? 0 : std::size_t(std::min<std::uint64_t>(length, size - offset));
    if (!m_isFile) {
        bytes = m_memory.substr(std::size_t(std::min<std::uint64_t>(offset, size)), available);
        return true;
    }
    if (available > m_capacity) {
        m_buffer.reset();
        m_buffer.reset(new char[available]);
        m_capacity = available;
        AdviseHugePages(m_buffer.get(), available);
    }
    const std::int64_t got = m_file.ReadAt(offset, m_buffer.get(), available, why);
    if (got < 0)
        return false;
    bytes = std::string_view(m_buffer.get(), std::size_t(got));
    return true;
}

#pragma once
// The bytes of an input, either held whole in memory or read from a file in
// pieces as a reader asks for them, so that a large binary file never needs
// its whole size in memory at once.
#include "data/ReadableFile.h"
#include <QString>
#include <cstdint>
#include <memory>
#include <string_view>

class TByteSource
{
public:
    explicit TByteSource(std::string_view bytes) : m_memory(bytes) {}
    explicit TByteSource(TReadableFile file);

    std::uint64_t Size() const { return m_isFile ? m_file.Size() : m_memory.size(); }

    // Bytes [offset, offset + length), fewer at the end of the input (or of a
    // file that shrank since it was opened). The view lasts until the next
    // call. False on a read error, with why set.
    bool Read(std::uint64_t offset, std::size_t length, std::string_view &bytes, QString &why);

private:
    std::string_view m_memory;
    TReadableFile m_file;
    bool m_isFile = false;
    std::unique_ptr<char[]> m_buffer;
    std::size_t m_capacity = 0;
};

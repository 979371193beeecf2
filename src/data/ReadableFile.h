#pragma once
// An outside file opened for reading without ever blocking: only plain files
// are taken (a pipe or a device is refused without waiting on it), and every
// failure comes with its French reason.
#include <QString>
#include <cstdint>

class TReadableFile
{
public:
    TReadableFile() = default;
    ~TReadableFile();
    TReadableFile(const TReadableFile &) = delete;
    TReadableFile &operator=(const TReadableFile &) = delete;
    TReadableFile(TReadableFile &&other) noexcept;
    TReadableFile &operator=(TReadableFile &&other) noexcept;

    // On false, why holds the reason and nothing is open.
    bool Open(const QString &fileName, QString &why);
    int Descriptor() const { return m_fd; }
    // The size the file had when opened.
    std::uint64_t Size() const { return m_size; }

    // Reads up to count bytes at offset; the number read (fewer only at the
    // end of the file), or -1 with why set.
    std::int64_t ReadAt(std::uint64_t offset, char *into, std::size_t count, QString &why) const;

private:
    int m_fd = -1;
    std::uint64_t m_size = 0;
};

// "Impossible de lire le fichier : " and the cause of an errno value.
QString CannotReadFile(int error);

#pragma once
// The text of an outside file, read so that no file can hang the program or
// take more memory than its text: only plain files are read (a pipe or a
// device is refused without waiting on it), in bounded chunks, up to the
// first zero byte, which ends the text.
#include <QString>
#include <memory>
#include <string_view>

class TReadableFile;

class TFileText
{
public:
    // Reads fileName; on false, why holds the French reason.
    bool Read(const QString &fileName, QString &why);
    std::string_view View() const { return {m_bytes.get(), m_size}; }

private:
    bool ReadOpen(const TReadableFile &file, QString &why);

    std::unique_ptr<char[]> m_bytes;
    std::size_t m_size = 0;
};

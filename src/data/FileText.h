#pragma once
// The text of an outside file, read so that no file can hang the program or
// take more memory than its text: only plain files are read (a pipe or a
// device is refused without waiting on it), in bounded chunks, up to the
// first zero byte, which ends the text (unless the reader takes UTF-16 text).
#include <QString>
#include <memory>
#include <string_view>

class TReadableFile;

// What a zero byte means: the end of 8-bit text, or a half of a code unit
// in a text that starts with a UTF-16 byte-order mark (then read whole).
enum class TZeroBytes { EndText, KeptInUtf16 };

class TFileText
{
public:
    // Reads fileName; on false, why holds the French reason.
    bool Read(const QString &fileName, QString &why, TZeroBytes zeros = TZeroBytes::EndText);
    std::string_view View() const { return {m_bytes.get(), m_size}; }

private:
    bool ReadOpen(const TReadableFile &file, TZeroBytes zeros, QString &why);

    std::unique_ptr<char[]> m_bytes;
    std::size_t m_size = 0;
};

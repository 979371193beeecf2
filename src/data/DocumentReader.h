#pragma once
// Takes the lines of a document one at a time, from the front, and converts
// them. Every failure throws EConvertError with a French message that starts
// with the number of the line at fault ("Ligne 12 : ..."); so does taking a
// line past the end, which means the document is truncated.
//
// The text is Windows-1252 unless it is valid UTF-8 or starts with a UTF-8
// byte-order mark. Line ends are CR LF, LF or CR. Reals take a decimal comma
// or a full stop.
#include "data/PageUnits.h"
#include "data/TColor.h"
#include <QString>
#include <cstddef>
#include <string_view>

class TSeriesSet;

// Whether the bytes are valid UTF-8, which decides how a document's texts read.
bool IsUtf8(std::string_view bytes);
// Length of the valid UTF-8 sequence of a character starting at p, 0 when
// there is none (p at an ASCII byte included).
std::size_t Utf8SequenceLength(const unsigned char *p, const unsigned char *end);

// Whether a first line carries the banner that every document starts with.
bool HasDocumentBanner(std::string_view firstLine);

class DocumentReader
{
public:
    // The bytes must outlive the reader.
    explicit DocumentReader(std::string_view bytes);

    bool AtEnd() const { return m_p == m_end; }
    // Number of the line last taken, from 1; 0 before the first.
    std::size_t LineNumber() const { return m_line; }
    std::size_t LinesLeft() const { return m_lines - m_line; }

    // The next line without its line end.
    std::string_view NextLine()
    {
        if (AtEnd())
            Truncated();
        const char *begin = m_p;
        while (m_p != m_end && *m_p != '\n' && *m_p != '\r')
            ++m_p;
        const std::string_view line(begin, std::size_t(m_p - begin));
        if (m_p != m_end && *m_p++ == '\r' && m_p != m_end && *m_p == '\n')
            ++m_p;
        ++m_line;
        return line;
    }
    void Skip() { NextLine(); }

    QString ReadText() { return Decode(NextLine()); }
    int ReadInt() { return IntOf(NextLine()); }
    // An integer within the range: a value outside it is named with its line.
    int ReadInt(TIntRange range) { return InRange(IntOf(NextLine()), range); }
    double ReadReal() { return RealOf(NextLine()); }
    // Exactly "True" is true; any other line is false.
    bool ReadBool() { return NextLine() == "True"; }
    // A colour name (any letter case) or an integer.
    TColor ReadColor();
    // Numbers joined by ";"; those outside 0..255 are left out.
    TSeriesSet ReadSet();
    // A number of items that take one line or more each: 0 up to the lines left.
    int ReadCount() { return CountOf(NextLine()); }

    // Conversions of the text of the line last taken.
    QString Decode(std::string_view bytes) const;
    // Decimal, with an optional sign, or hexadecimal after "$".
    int IntOf(std::string_view text) const;
    double RealOf(std::string_view text) const;
    int CountOf(std::string_view text) const;
    int InRange(int value, TIntRange range) const;

    // The text of rest up to its first ";", or all of it; rest loses that
    // text and the ";".
    static std::string_view NextPiece(std::string_view &rest);

    // Throws the message for the line last taken, or for the given one.
    [[noreturn]] void Fail(const QString &what) const { FailAt(m_line, what); }
    [[noreturn]] void FailAt(std::size_t line, const QString &what) const;

private:
    [[noreturn]] void Truncated() const;

    const char *m_p;
    const char *m_end;
    bool m_utf8 = false;
    std::size_t m_line = 0;
    std::size_t m_lines = 0;
};

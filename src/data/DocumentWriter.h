#pragma once
// Builds a document: one value per line, each line ended by CR LF, in the
// text forms every reader of documents expects. Samples go straight into
// one byte buffer, so a page of millions of samples costs its bytes only.
#include "data/TColor.h"
#include <QByteArray>
#include <QString>
#include <string_view>
#include <vector>

class TSeriesSet;

class DocumentWriter
{
public:
    // A line of plain ASCII: keywords, markers.
    void WriteLine(std::string_view ascii);
    // Line breaks inside the text become blanks: each value keeps one line.
    void WriteText(const QString &text);
    void WriteInt(long long value);
    // The general format: at most 15 significant digits, a decimal comma,
    // fixed notation from 0.0001 up to 15 integer digits, otherwise a
    // mantissa, "E" and the exponent ("1,5E-5", "2E15"); NAN, INF, -INF.
    void WriteReal(double value);
    // "True" or "False".
    void WriteBool(bool value);
    // The colour's name when it has one, otherwise "$" and 8 hex digits.
    void WriteColor(TColor color);
    // Members in increasing order joined by ";"; empty for the empty set.
    void WriteSet(const TSeriesSet &set);

    // The document's bytes: Windows-1252 when every character fits and the
    // bytes cannot be taken for UTF-8, otherwise UTF-8 behind a byte-order
    // mark. Leaves the writer empty.
    QByteArray Take();

private:
    void EndLine() { m_bytes.append("\r\n", 2); }

    // A text written as UTF-8, with its Windows-1252 bytes when they exist.
    struct WideText {
        qsizetype At;
        qsizetype Size;
        QByteArray Narrow;
    };

    QByteArray m_bytes;
    std::vector<WideText> m_wide;
    bool m_narrow = true;
};

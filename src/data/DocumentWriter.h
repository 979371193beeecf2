#pragma once
// Builds a document: one value per line, each line ended by CR LF, in the
// text forms every reader of documents expects. The lines go to a device in
// chunks as they are made, so a page of millions of samples is never held
// in memory as text.
//
// Texts are written in Windows-1252, or in UTF-8 behind a byte-order mark by
// a writer made for it. A Windows-1252 writer that meets a text the code page
// lacks stops sending: the document must then be made again in UTF-8, which
// WriteDocumentTo does. So must a document whose Windows-1252 texts would all
// read as UTF-8 ("Ã©" as "é").
#include "data/TColor.h"
#include <QByteArray>
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>
#include <string_view>

class QIODevice;
class TSeriesSet;

class DocumentWriter
{
public:
    DocumentWriter(QIODevice &out, bool utf8);
    ~DocumentWriter();
    DocumentWriter(const DocumentWriter &) = delete;
    DocumentWriter &operator=(const DocumentWriter &) = delete;

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
    // "key=value", the value in the general format of WriteReal.
    void WriteEntry(std::string_view key, double value);

    // Sends the lines still held. False when the device refused bytes or a
    // text did not fit Windows-1252.
    bool Finish();
    // Whether the texts written would not read back from Windows-1252.
    bool NeedsUtf8() const { return !m_utf8 && (!m_fits || (m_nonAscii && m_lookalike)); }

private:
    // Room for a value of at most 64 bytes and its line end.
    char *Room();
    void Used(char *end);
    void Append(const char *bytes, std::size_t size);
    void Flush();

    QIODevice &m_out;
    bool m_utf8;
    bool m_fits = true;
    bool m_nonAscii = false;  // some text is not plain ASCII
    bool m_lookalike = true;  // and all those texts form valid UTF-8
    bool m_failed = false;
    std::unique_ptr<char[]> m_chunk;
    std::size_t m_used = 0;
};

// Makes a document with make and writes it to out from its current
// position: in Windows-1252 when every text fits, otherwise again from the
// same position in UTF-8 behind a byte-order mark. False when out refused
// bytes.
bool WriteDocumentTo(QIODevice &out, const std::function<void(DocumentWriter &)> &make);
// The same document in memory.
QByteArray DocumentBytes(const std::function<void(DocumentWriter &)> &make);

#include "data/DocumentWriter.h"
#include "data/ColorNames.h"
#include "data/DocumentReader.h"
#include "data/TSeriesSet.h"
#include "data/Windows1252.h"
#include <QBuffer>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace
{

constexpr int MaxDigits = 15;
// Lines go out in chunks of this size; a number takes at most ValueRoom bytes.
constexpr std::size_t ChunkSize = 256 * 1024;
constexpr std::size_t ValueRoom = 64;

// A decimal number as digits d1 d2 ... dn standing for d1,d2...dn x 10^exponent.
struct Decimal {
    bool Negative = false;
    char Digits[24] = {};
    int Count = 0;
    int Exponent = 0;
};

// Reads the output of to_chars in scientific form: "-d.ddde-05".
Decimal Split(const char *p, const char *end)
{
    Decimal d;
    d.Negative = *p == '-';
    if (d.Negative)
        ++p;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.')
            d.Digits[d.Count++] = *p;
    if (p != end) {
        ++p;
        if (*p == '+')
            ++p;
        std::from_chars(p, end, d.Exponent);
    }
    while (d.Count > 1 && d.Digits[d.Count - 1] == '0')
        --d.Count;
    return d;
}

// Whether rounding carried the text of a finite value past the largest
// double: such a text would not read back.
bool BeyondDoubles(const char *begin, const char *end)
{
    double back = 0;
    return std::from_chars(begin, end, back).ec == std::errc::result_out_of_range;
}

// The shortest digits that read back as the value, or the value rounded to
// 15 digits when that takes more: both are what 15-digit rounding gives.
// Next to the largest double, where rounding up would leave the doubles,
// the 15 digits are cut instead.
Decimal Digits(double value)
{
    char text[40];
    auto r = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    Decimal d = Split(text, r.ptr);
    if (d.Count <= MaxDigits)
        return d;
    char rounded[40];
    const auto end = std::to_chars(rounded, rounded + sizeof rounded, value,
                                   std::chars_format::scientific, MaxDigits - 1)
                         .ptr;
    if (!BeyondDoubles(rounded, end))
        return Split(rounded, end);
    d.Count = MaxDigits;
    while (d.Count > 1 && d.Digits[d.Count - 1] == '0')
        --d.Count;
    return d;
}

char *Fixed(const Decimal &d, char *out)
{
    if (d.Exponent < 0) {
        *out++ = '0';
        *out++ = ',';
        for (int i = -1; i > d.Exponent; --i)
            *out++ = '0';
        for (int i = 0; i < d.Count; ++i)
            *out++ = d.Digits[i];
        return out;
    }
    for (int i = 0; i <= d.Exponent; ++i)
        *out++ = i < d.Count ? d.Digits[i] : '0';
    if (d.Count > d.Exponent + 1) {
        *out++ = ',';
        for (int i = d.Exponent + 1; i < d.Count; ++i)
            *out++ = d.Digits[i];
    }
    return out;
}

char *Scientific(const Decimal &d, char *out)
{
    *out++ = d.Digits[0];
    if (d.Count > 1) {
        *out++ = ',';
        for (int i = 1; i < d.Count; ++i)
            *out++ = d.Digits[i];
    }
    *out++ = 'E';
    return std::to_chars(out, out + 8, d.Exponent).ptr;
}

// Writes the general form of value at out (at most 32 bytes); returns the end.
char *FormatReal(double value, char *out)
{
    if (std::isnan(value))
        return std::copy_n("NAN", 3, out);
    if (std::isinf(value))
        return value < 0 ? std::copy_n("-INF", 4, out) : std::copy_n("INF", 3, out);
    if (value == 0) {
        *out = '0';
        return out + 1;
    }
    const Decimal d = Digits(value);
    if (d.Negative)
        *out++ = '-';
    if (d.Exponent >= -4 && d.Exponent < MaxDigits)
        return Fixed(d, out);
    return Scientific(d, out);
}

} // namespace

DocumentWriter::DocumentWriter(QIODevice &out, bool utf8)
    : m_out(out), m_utf8(utf8), m_chunk(new char[ChunkSize])
{
    if (utf8)
        Append("\xEF\xBB\xBF", 3);
}

DocumentWriter::~DocumentWriter() = default;

char *DocumentWriter::Room()
{
    if (ChunkSize - m_used < ValueRoom)
        Flush();
    return m_chunk.get() + m_used;
}

void DocumentWriter::Used(char *end)
{
    *end++ = '\r';
    *end++ = '\n';
    m_used = std::size_t(end - m_chunk.get());
}

void DocumentWriter::Append(const char *bytes, std::size_t size)
{
    while (size > 0) {
        if (m_used == ChunkSize)
            Flush();
        const std::size_t n = std::min(size, ChunkSize - m_used);
        std::copy_n(bytes, n, m_chunk.get() + m_used);
        m_used += n;
        bytes += n;
        size -= n;
    }
}

void DocumentWriter::Flush()
{
    // Once a text did not fit, the document is made again: nothing more goes out.
    if (m_fits && !m_failed && m_used > 0)
        m_failed = m_out.write(m_chunk.get(), qint64(m_used)) != qint64(m_used);
    m_used = 0;
}

bool DocumentWriter::Finish()
{
    Flush();
    return m_fits && !m_failed;
}

void DocumentWriter::WriteLine(std::string_view ascii)
{
    Append(ascii.data(), ascii.size());
    Append("\r\n", 2);
}

void DocumentWriter::WriteText(const QString &text)
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    QByteArray bytes;
    if (m_utf8)
        bytes = line.toUtf8();
    else if (FitsWindows1252(line))
        bytes = ToWindows1252(line);
    else
        m_fits = false;
    const std::string_view view(bytes.constData(), std::size_t(bytes.size()));
    if (std::any_of(view.begin(), view.end(), [](char c) { return c & 0x80; })) {
        m_nonAscii = true;
        m_lookalike = m_lookalike && IsUtf8(view);
    }
    WriteLine(view);
}

void DocumentWriter::WriteInt(long long value)
{
    char *at = Room();
    Used(std::to_chars(at, at + ValueRoom, value).ptr);
}

void DocumentWriter::WriteReal(double value)
{
    Used(FormatReal(value, Room()));
}

void DocumentWriter::WriteBool(bool value)
{
    WriteLine(value ? "True" : "False");
}

void DocumentWriter::WriteColor(TColor color)
{
    const std::string_view name = ColorName(color);
    if (!name.empty())
        return WriteLine(name);
    char text[10] = {'$'};
    for (int i = 0; i < 8; ++i)
        text[1 + i] = "0123456789ABCDEF"[(color >> (28 - 4 * i)) & 0xFu];
    WriteLine(std::string_view(text, 9));
}

void DocumentWriter::WriteSet(const TSeriesSet &set)
{
    QByteArray line;
    for (int member : set.Members()) {
        if (!line.isEmpty())
            line += ';';
        line += QByteArray::number(member);
    }
    WriteLine(std::string_view(line.constData(), std::size_t(line.size())));
}

void DocumentWriter::WriteEntry(std::string_view key, double value)
{
    Append(key.data(), key.size());
    char *at = Room();
    *at = '=';
    Used(FormatReal(value, at + 1));
}

bool WriteDocumentTo(QIODevice &out, const std::function<void(DocumentWriter &)> &make)
{
    const qint64 start = out.pos();
    {
        DocumentWriter narrow(out, false);
        make(narrow);
        const bool sent = narrow.Finish();
        if (!narrow.NeedsUtf8())
            return sent;
    }
    // Every line is at least as long in UTF-8 as in Windows-1252: the second
    // document covers whatever the first one sent.
    if (!out.seek(start))
        return false;
    DocumentWriter wide(out, true);
    make(wide);
    return wide.Finish();
}

QByteArray DocumentBytes(const std::function<void(DocumentWriter &)> &make)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteDocumentTo(buffer, make);
    return bytes;
}

#include "data/DocumentWriter.h"
#include "data/ColorNames.h"
#include "data/DocumentReader.h"
#include "data/TSeriesSet.h"
#include "data/Windows1252.h"
#include <algorithm>
#include <charconv>
#include <cmath>

namespace
{

constexpr int MaxDigits = 15;

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

// The shortest digits that read back as the value, or the value rounded to
// 15 digits when that takes more: both are what 15-digit rounding gives.
Decimal Digits(double value)
{
    char text[40];
    auto r = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
    Decimal d = Split(text, r.ptr);
    if (d.Count <= MaxDigits)
        return d;
    r = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                      MaxDigits - 1);
    return Split(text, r.ptr);
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

void DocumentWriter::WriteLine(std::string_view ascii)
{
    m_bytes.append(ascii.data(), qsizetype(ascii.size()));
    EndLine();
}

void DocumentWriter::WriteText(const QString &text)
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    bool ascii = true;
    for (QChar c : line)
        ascii = ascii && c.unicode() < 0x80;
    if (ascii) {
        m_bytes += line.toLatin1();
    } else {
        WideText wide{m_bytes.size(), 0, ToWindows1252(line)};
        m_narrow = m_narrow && FitsWindows1252(line);
        m_bytes += line.toUtf8();
        wide.Size = m_bytes.size() - wide.At;
        m_wide.push_back(std::move(wide));
    }
    EndLine();
}

void DocumentWriter::WriteInt(long long value)
{
    char text[24];
    const auto r = std::to_chars(text, text + sizeof text, value);
    m_bytes.append(text, r.ptr - text);
    EndLine();
}

void DocumentWriter::WriteReal(double value)
{
    char text[40];
    m_bytes.append(text, FormatReal(value, text) - text);
    EndLine();
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

QByteArray DocumentWriter::Take()
{
    QByteArray bytes = std::move(m_bytes);
    // Windows-1252 bytes that all form valid UTF-8 ("Ã©") would read back as
    // other characters ("é"): such a document keeps UTF-8 behind its mark.
    const bool misread = std::all_of(m_wide.begin(), m_wide.end(), [](const WideText &w) {
        return IsUtf8(std::string_view(w.Narrow.constData(), std::size_t(w.Narrow.size())));
    });
    if (!m_narrow || (!m_wide.empty() && misread)) {
        bytes.prepend("\xEF\xBB\xBF");
    } else if (!m_wide.empty()) {
        QByteArray narrow;
        narrow.reserve(bytes.size());
        qsizetype from = 0;
        for (const WideText &w : m_wide) {
            narrow.append(bytes.constData() + from, w.At - from).append(w.Narrow);
            from = w.At + w.Size;
        }
        bytes = narrow.append(bytes.constData() + from, bytes.size() - from);
    }
    m_bytes.clear();
    m_wide.clear();
    m_narrow = true;
    return bytes;
}

#include "data/Windows1252.h"
#include <algorithm>

namespace
{

// 0x80..0x9F; the five bytes the code page leaves undefined keep their value.
constexpr char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                               0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                               0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                               0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char ByteOf(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < std::size(High); ++i) {
        if (High[i] == c)
            return char(0x80 + i);
    }
    return '?';
}

} // namespace

QString FromWindows1252(std::string_view bytes)
{
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar *out = text.data();
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? High[b - 0x80] : char16_t(b));
    }
    return text;
}

QByteArray ToWindows1252(QStringView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        if (!c.isLowSurrogate())
            bytes.append(ByteOf(c.unicode()));
    }
    return bytes;
}

bool FitsWindows1252(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return ByteOf(c.unicode()) != '?' || c == QLatin1Char('?');
    });
}

QString ShownInMessage(std::string_view bytes)
{
    constexpr std::size_t Longest = 40;
    const QString text = FromWindows1252(bytes.substr(0, Longest));
    return bytes.size() > Longest ? text + QStringLiteral("…") : text;
}

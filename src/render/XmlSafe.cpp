#include "render/XmlSafe.h"

namespace
{

constexpr char Replacement[] = "\xEF\xBF\xBD";

bool IsForbiddenControl(unsigned char c)
{
    return c < 0x20 && c != '\t' && c != '\n' && c != '\r';
}

// U+FFFE or U+FFFF at i.
bool IsNonCharacter(const QByteArray &s, qsizetype i)
{
    return i + 2 < s.size() && s[i] == '\xEF' && s[i + 1] == '\xBF' &&
           (s[i + 2] == '\xBE' || s[i + 2] == '\xBF');
}

} // namespace

QByteArray XmlSafe(const QByteArray &utf8)
{
    QByteArray out;
    out.reserve(utf8.size());
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (IsForbiddenControl(static_cast<unsigned char>(utf8[i]))) {
            out += Replacement;
        } else if (IsNonCharacter(utf8, i)) {
            out += Replacement;
            i += 2;
        } else {
            out += utf8[i];
        }
    }
    return out;
}

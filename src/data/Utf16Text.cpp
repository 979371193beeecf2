#include "data/Utf16Text.h"

namespace
{

constexpr std::string_view LittleEndianMark = "\xFF\xFE";
constexpr std::string_view BigEndianMark = "\xFE\xFF";
constexpr char32_t Replacement = 0xFFFD;

void AppendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

bool IsHighSurrogate(char16_t u)
{
    return u >= 0xD800 && u < 0xDC00;
}

bool IsLowSurrogate(char16_t u)
{
    return u >= 0xDC00 && u < 0xE000;
}

} // namespace

bool HasUtf16Mark(std::string_view bytes)
{
    return bytes.starts_with(LittleEndianMark) || bytes.starts_with(BigEndianMark);
}

std::string Utf16ToUtf8(std::string_view bytes)
{
    const bool big = bytes.starts_with(BigEndianMark);
    const std::size_t units = bytes.size() / 2;
    auto unit = [&](std::size_t i) {
        const auto first = static_cast<unsigned char>(bytes[2 * i]);
        const auto second = static_cast<unsigned char>(bytes[2 * i + 1]);
        return char16_t(big ? first << 8 | second : second << 8 | first);
    };
    std::string out = "\xEF\xBB\xBF";
    out.reserve(units + out.size());
    for (std::size_t i = 1; i < units; ++i) {
        const char16_t u = unit(i);
        if (u == 0)
            break;
        if (IsHighSurrogate(u) && i + 1 < units && IsLowSurrogate(unit(i + 1))) {
            AppendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (unit(i + 1) - 0xDC00));
            ++i;
        } else {
            AppendUtf8(out, IsHighSurrogate(u) || IsLowSurrogate(u) ? Replacement : u);
        }
    }
    return out;
}

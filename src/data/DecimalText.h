#pragma once
// Decimal numbers as the simulator writes them and the host reads them: an
// optional sign, digits with '.' or ',' as the decimal point, an optional
// exponent of any width; surrounding blanks allowed. Infinities, NaN,
// hexadecimal and values beyond the double range do not convert; values too
// small for a double become zero.
#include <charconv>
#include <string_view>

bool ParseDecimalSlow(const char *begin, const char *end, double &value);

inline bool ParseDecimal(const char *begin, const char *end, double &value)
{
    // Plain cells such as 1.234000E-03 or -4.2 go straight through.
    if (begin != end) {
        const char *digit = *begin == '-' ? begin + 1 : begin;
        if (digit != end && unsigned(*digit - '0') < 10u) {
            const auto r = std::from_chars(begin, end, value);
            if (r.ec == std::errc() && r.ptr == end)
                return true;
        }
    }
    return ParseDecimalSlow(begin, end, value);
}

inline bool ParseDecimal(std::string_view text, double &value)
{
    return ParseDecimal(text.data(), text.data() + text.size(), value);
}

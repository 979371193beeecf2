#pragma once
// Decimal numbers as the simulator writes them and the host reads them: an
// optional sign, digits with '.' or ',' as the decimal point, an optional
// exponent of any width; surrounding blanks allowed. Infinities, NaN,
// hexadecimal and values beyond the double range do not convert; values too
// small for a double become zero.
#include <string_view>

// The common case, fast: -?digits[.digits][(e|E)[+-]digits] read from the
// start of [begin, end) when at most 19 digits give a value that one correctly
// rounded step makes exact; `point` is the decimal point ('.' or ','). Returns
// where the number stopped, or null when it cannot decide (then the full
// conversion must).
const char *ScanPlainDecimal(const char *begin, const char *end, double &value, char point);
inline const char *ScanPlainDecimal(const char *begin, const char *end, double &value)
{
    return ScanPlainDecimal(begin, end, value, '.');
}

// Every accepted form; std::from_chars does the conversion.
bool ParseDecimalSlow(const char *begin, const char *end, double &value);

inline bool ParseDecimal(const char *begin, const char *end, double &value)
{
    if (ScanPlainDecimal(begin, end, value) == end && begin != end)
        return true;
    return ParseDecimalSlow(begin, end, value);
}

inline bool ParseDecimal(std::string_view text, double &value)
{
    return ParseDecimal(text.data(), text.data() + text.size(), value);
}

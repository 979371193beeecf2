#include "data/DecimalText.h"
#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace
{

bool IsDigit(char c)
{
    return unsigned(c - '0') < 10u;
}

// Out of the double range: too large fails, too small is zero (sign kept).
bool FromOutOfRange(const char *begin, const char *end, double &value)
{
    long double wide = 0;
    const auto r = std::from_chars(begin, end, wide);
    if (r.ec == std::errc() && r.ptr == end && std::fabs(wide) <= DBL_MAX) {
        value = double(wide);
        return true;
    }
    if (r.ec != std::errc::result_out_of_range || r.ptr != end)
        return false;
    // Even the wide type overflowed or underflowed: tell by the exponent.
    const char *e = std::find_if(begin, end, [](char c) { return c == 'e' || c == 'E'; });
    if (e == end || e + 1 == end || e[1] != '-')
        return false;
    value = 0.0;
    return true;
}

// Unsigned number without blanks; '.' or a lone ',' as decimal point.
bool ParseUnsigned(const char *begin, const char *end, double &value)
{
    if (begin == end || !(IsDigit(*begin) || *begin == '.' || *begin == ','))
        return false;
    const char *comma = std::find(begin, end, ',');
    std::string copy;
    if (comma != end) {
        if (std::find(begin, end, '.') != end)
            return false;
        copy.assign(begin, end);
        copy[std::size_t(comma - begin)] = '.';
        begin = copy.data();
        end = begin + copy.size();
    }
    const auto r = std::from_chars(begin, end, value);
    if (r.ec == std::errc::result_out_of_range)
        return FromOutOfRange(begin, end, value);
    return r.ec == std::errc() && r.ptr == end;
}

// Adds an optional exponent "(e|E) [+|-] digits" at p to `exponent`; returns
// where it ends, or null when the letter has no digits. Saturates far outside
// any double.
const char *ScanExponent(const char *p, const char *end, int &exponent)
{
    if (p == end || (*p != 'e' && *p != 'E'))
        return p;
    ++p;
    const bool down = p != end && *p == '-';
    if (p != end && (*p == '-' || *p == '+'))
        ++p;
    if (p == end || !IsDigit(*p))
        return nullptr;
    int written = 0;
    for (; p != end && IsDigit(*p); ++p)
        written = std::min(written * 10 + (*p - '0'), 100000);
    exponent += down ? -written : written;
    return p;
}

// Exact powers of ten as doubles.
constexpr double Pow10[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                            1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

} // namespace

const char *ScanPlainDecimal(const char *begin, const char *end, double &value)
{
    const char *p = begin;
    const bool negative = p != end && *p == '-';
    if (negative)
        ++p;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int exponent = 0;
    for (; p != end && IsDigit(*p); ++p, ++digits)
        mantissa = mantissa * 10 + std::uint64_t(*p - '0');
    if (p != end && *p == '.') {
        for (++p; p != end && IsDigit(*p); ++p, ++digits, --exponent)
            mantissa = mantissa * 10 + std::uint64_t(*p - '0');
    }
    if (digits == 0 || digits > 19)
        return nullptr;
    p = ScanExponent(p, end, exponent);
    if (!p)
        return nullptr;
    // Below 2^53 the mantissa is exact, and so is every power up to 1e22:
    // one multiplication or division rounds correctly.
    double v;
    if (mantissa == 0)
        v = 0.0;
    else if (mantissa > (std::uint64_t(1) << 53) || exponent < -22 || exponent > 22)
        return nullptr;
    else if (exponent < 0)
        v = double(mantissa) / Pow10[-exponent];
    else
        v = double(mantissa) * Pow10[exponent];
    value = negative ? -v : v;
    return p;
}

bool ParseDecimalSlow(const char *begin, const char *end, double &value)
{
    while (begin != end && *begin == ' ')
        ++begin;
    while (end != begin && end[-1] == ' ')
        --end;
    bool negative = false;
    if (begin != end && (*begin == '+' || *begin == '-')) {
        negative = *begin == '-';
        ++begin;
    }
    double v = 0.0;
    if (!ParseUnsigned(begin, end, v))
        return false;
    value = negative ? -v : v;
    return true;
}

#include "data/DecimalText.h"
#include <algorithm>
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

// Saturation of written exponents: far beyond any double, yet adding the
// digit count of any text keeps the sum exact.
constexpr long long ExponentCap = 1000000000000000000LL / 4;

// The decimal exponent of the first significant digit of a well-formed,
// non-zero unsigned number "digits[.digits][(e|E)[+|-]digits]": 2 for "123",
// -3 for "0.00123", 1 for "0.5e2".
long long LeadingExponent(const char *p, const char *end)
{
    while (p != end && *p == '0')
        ++p;
    const char *digits = p;
    while (p != end && IsDigit(*p))
        ++p;
    long long lead = (p - digits) - 1;
    if (p != end && *p == '.')
        ++p;
    const char *fraction = p;
    while (p != end && *p == '0')
        ++p;
    if (lead < 0)
        lead = -(p - fraction) - 1;
    while (p != end && IsDigit(*p))
        ++p;
    if (p == end)
        return lead;
    ++p; // the exponent letter
    const bool down = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    long long written = 0;
    for (; p != end; ++p)
        written = std::min(written * 10 + (*p - '0'), ExponentCap);
    return lead + (down ? -written : written);
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
    if (r.ptr != end)
        return false;
    if (r.ec != std::errc::result_out_of_range)
        return r.ec == std::errc();
    // Beyond the doubles: too large when its first digit weighs 1 or more
    // (overflow starts near 1e308), else too small and read as zero.
    value = 0.0;
    return LeadingExponent(begin, end) < 0;
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

const char *ScanPlainDecimal(const char *begin, const char *end, double &value, char point)
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
    if (p != end && *p == point) {
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

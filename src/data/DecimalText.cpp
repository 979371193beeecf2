#include "data/DecimalText.h"
#include <algorithm>
#include <cfloat>
#include <cmath>
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

} // namespace

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

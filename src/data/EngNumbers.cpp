#include "data/EngNumbers.h"

#include "data/EConvertError.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace
{

constexpr int kMinPow = -330;
constexpr int kMaxPow = 310;
// Smallest exponent whose power of ten is still a non-zero double.
constexpr int kMinNonZeroPow = -323;

// The double nearest 10^k, 0 below and infinity above the double range. Powers
// of ten obtained by repeated multiplication or by exp(k ln 10) drift by an ulp,
// and a resolution typed as 1e-7 must compare equal to the digit weight 1e-7.
double Pow10(int k)
{
    static const auto table = [] {
        std::array<double, kMaxPow - kMinPow + 1> t{};
        for (int i = kMinPow; i <= kMaxPow; ++i) {
            const std::string text = "1e" + std::to_string(i);
            double v = 0;
            const auto res = std::from_chars(text.data(), text.data() + text.size(), v);
            if (res.ec == std::errc::result_out_of_range)
                v = i < 0 ? 0.0 : std::numeric_limits<double>::infinity();
            t[std::size_t(i - kMinPow)] = v;
        }
        return t;
    }();
    if (k < kMinPow)
        return 0.0;
    if (k > kMaxPow)
        return std::numeric_limits<double>::infinity();
    return table[std::size_t(k - kMinPow)];
}

QString PrefixText(int e)
{
    static const char *const letters[] = {"a", "f", "p", "n", "µ", "m", "",
                                          "k", "M", "G", "T", "P", "E"};
    if (e >= -18 && e <= 18)
        return QString::fromUtf8(letters[(e + 18) / 3]);
    return QStringLiteral("e") + QString::number(e);
}

// Digits of a / 10^d with a comma so that the last digit weighs 10^d, written
// against the prefix exponent e (a / 10^e lies in [1, 1000)).
QString Mantissa(double a, int d, int e)
{
    const auto n = std::int64_t(std::nearbyint(a / Pow10(d)));
    QString digits = QString::number(n);
    if (e < d) {
        digits.append(QString(d - e, QLatin1Char('0')));
        d = e;
    }
    if (d < e) {
        digits = digits.rightJustified(e - d + 1, QLatin1Char('0'));
        digits.insert(digits.size() - (e - d), QLatin1Char(','));
    }
    return digits;
}

// Exponent suffix replacing a final prefix letter, or nullptr.
const char *PrefixExponent(QChar c)
{
    switch (c.unicode()) {
    case u'a':
        return "E-18";
    case u'f':
        return "E-15";
    case u'p':
        return "E-12";
    case u'n':
        return "E-9";
    case u'u':
    case u'\u00B5': // micro sign
    case u'\u03BC': // Greek mu, what many keyboards give for "µ"
        return "E-6";
    case u'm':
        return "E-3";
    case u'k':
        return "E3";
    case u'M':
        return "E6";
    case u'G':
        return "E9";
    case u'T':
        return "E12";
    case u'P':
        return "E15";
    case u'E':
        return "E18";
    default:
        return nullptr;
    }
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Reads a run of digits at s[i...] into out, returns how many.
qsizetype TakeDigits(QStringView s, qsizetype &i, std::string &out)
{
    const qsizetype start = i;
    while (i < s.size() && IsDigit(s[i]))
        out.push_back(char(s[i++].unicode()));
    return i - start;
}

// Reads an optional exponent "(E|e) [+|-] digits" at s[i...]; false when the
// letter has no digits. Saturates far outside any double.
bool TakeExponent(QStringView s, qsizetype &i, long &exponent)
{
    if (i == s.size() || (s[i] != u'E' && s[i] != u'e'))
        return true;
    ++i;
    const bool negative = i < s.size() && s[i] == u'-';
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    std::string digits;
    if (TakeDigits(s, i, digits) == 0)
        return false;
    long value = 0;
    for (char c : digits)
        value = std::min(value * 10 + (c - '0'), 100000L);
    exponent = negative ? -value : value;
    return true;
}

// Strict decimal-comma float: [+|-] digits [, digits] [(E|e) [+|-] digits],
// at least one mantissa digit, nothing else.
bool ConvertFloat(QStringView s, double &value)
{
    qsizetype i = 0;
    std::string buf;
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-')) {
        if (s[i] == u'-')
            buf.push_back('-');
        ++i;
    }
    std::string digits;
    const qsizetype intLen = TakeDigits(s, i, digits);
    if (i < s.size() && s[i] == u',')
        ++i;
    TakeDigits(s, i, digits);
    if (digits.empty())
        return false;
    long exponent = 0;
    if (!TakeExponent(s, i, exponent) || i != s.size())
        return false;

    // Weight of the digits as a whole: "ddd" then "e(exponent - fraction length)".
    const long fracLen = long(digits.size()) - long(intLen);
    buf += digits + "e" + std::to_string(exponent - fracLen);
    const auto res = std::from_chars(buf.data(), buf.data() + buf.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        // Too small underflows to zero; too large is not a value.
        const auto first = long(digits.find_first_not_of('0'));
        const long leadExponent = exponent - fracLen + long(digits.size()) - first;
        if (leadExponent > 0)
            return false;
        value = buf.front() == '-' ? -0.0 : 0.0;
        return true;
    }
    return res.ec == std::errc() && res.ptr == buf.data() + buf.size();
}

} // namespace

int Decade(double x)
{
    if (x == 0 || !std::isfinite(x))
        return 0;
    const double l = std::log10(std::fabs(x));
    const int t = int(std::trunc(l));
    return l < 0 ? t - 1 : t;
}

double PowerOfTen(double x)
{
    if (x == 0 || !std::isfinite(x))
        return 1.0;
    const double p = Pow10(Decade(x));
    return p > 0 ? p : std::numeric_limits<double>::denorm_min();
}

double AutoStep(double range)
{
    const double p = PowerOfTen(range);
    const double r = std::fabs(range) / p;
    if (r >= 6)
        return p;
    // Halving or fifthing the smallest double would give a zero step.
    const double step = r >= 3 ? p / 2 : r >= 1 ? p / 5 : p;
    return step > 0 ? step : p;
}

double Resolution(double x)
{
    if (x == 0 || !std::isfinite(x))
        return 1.0;
    const double a = std::fabs(x);
    int k = 0;
    // Refine downward until a is written to 1e-10 relative, within 12 digits.
    for (; k > kMinNonZeroPow; --k) {
        const double r = Pow10(k);
        if (a / r >= 1e12)
            break;
        const double n = std::nearbyint(a / r);
        if (std::fabs(a - n * r) <= a / 1e10)
            break;
    }
    // Widen upward over trailing zeros. A difference of a few ulps is rounding
    // noise, not a digit: above 1e19 most decimal values are not exact doubles.
    while (Pow10(k) < a) {
        const double r = Pow10(k);
        const double n = std::nearbyint(a / 10 / r);
        if (std::fabs(a - 10 * n * r) > a * 1e-15)
            break;
        ++k;
    }
    return Pow10(k);
}

QString FormatEng(double value, double resolution)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("+Inf") : QStringLiteral("-Inf");
    if (value == 0)
        return QStringLiteral("0");
    double a = std::fabs(value);
    double r = std::fabs(resolution);
    // Far below the normal doubles the digit weights would underflow: work on
    // the value scaled by 10^300 and take the scale off the written exponent.
    int shift = 0;
    if (a < 1e-280) {
        shift = 300;
        a = double((long double)a * 1e300L);
        r = double((long double)r * 1e300L);
    }
    if (!std::isfinite(r) || r < a / 1e12 || r > a)
        r = a / 100;
    // Weight 10^d of the last digit written: 10^d <= r < 10^(d+1).
    int d = 0;
    while (r < Pow10(d))
        --d;
    while (r >= Pow10(d + 1))
        ++d;
    // Prefix exponent e, a multiple of 3 with 10^e <= a < 10^(e+3).
    int e = 0;
    while (a < Pow10(e))
        e -= 3;
    while (a >= Pow10(e + 3))
        e += 3;
    const QString text = Mantissa(a, d, e) + PrefixText(e - shift);
    return value < 0 ? QLatin1Char('-') + text : text;
}

double ParseEng(const QString &text)
{
    QString s = text.trimmed();
    const qsizetype dot = s.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        s[dot] = QLatin1Char(',');
    if (!s.isEmpty()) {
        if (const char *suffix = PrefixExponent(s.back())) {
            s.chop(1);
            s += QLatin1String(suffix);
        }
    }
    double value = 0;
    if (!ConvertFloat(s, value))
        throw EConvertError::InvalidFloat(text);
    return value;
}

bool IsEngNumber(const QString &text)
{
    try {
        ParseEng(text);
        return true;
    } catch (const EConvertError &) {
        return false;
    }
}

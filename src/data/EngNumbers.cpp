#include "data/EngNumbers.h"

#include "data/DecimalText.h"
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

// 10^k for 0 <= k <= 18.
std::int64_t WholePow10(int k)
{
    std::int64_t p = 1;
    for (int i = 0; i < k; ++i)
        p *= 10;
    return p;
}

QString PrefixText(int e)
{
    static const char *const letters[] = {"a", "f", "p", "n", "µ", "m", "",
                                          "k", "M", "G", "T", "P", "E"};
    if (e >= -18 && e <= 18)
        return QString::fromUtf8(letters[(e + 18) / 3]);
    return QStringLiteral("e") + QString::number(e);
}

// a / 10^d rounded to the nearest integer, one less when that many units of
// 10^d would read back beyond the largest double: 1,797...e308 written to
// three digits is 179e306, not 180e306.
std::int64_t DigitsAt(double a, int d)
{
    auto n = std::int64_t(std::nearbyint(a / Pow10(d)));
    if (a > 1e307) {
        const std::string back = std::to_string(n) + "e" + std::to_string(d);
        double v = 0;
        if (std::from_chars(back.data(), back.data() + back.size(), v).ec != std::errc())
            --n;
    }
    return n;
}

// Digits of a / 10^d with a comma so that the last digit weighs 10^d, written
// against the prefix exponent e (a / 10^e lies in [1, 1000)).
QString Mantissa(double a, int d, int e)
{
    QString digits = QString::number(DigitsAt(a, d));
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

} // namespace

// Powers of ten obtained by repeated multiplication or by exp(k ln 10) drift by
// an ulp, and a resolution typed as 1e-7 must compare equal to the digit weight
// 1e-7: they are read from their decimal text once.
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
    // A resolution within a relative 1e-10 of the value is the value itself.
    if (!std::isfinite(r) || r < a / 1e12 || r > a * (1 + 1e-10))
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
    // The prefix follows the value as written: 999,96 to 0,1 is 1,0000k.
    if (DigitsAt(a, d) >= WholePow10(e + 3 - d))
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
    // Any character beyond Latin-1 becomes '?', which no number holds.
    const QByteArray bytes = s.toLatin1();
    double value = 0;
    if (!ParseDecimal(std::string_view(bytes.constData(), std::size_t(bytes.size())), value))
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

#include "data/EngNumbers.h"
#include "data/EConvertError.h"
#include "support/ReaderChecks.h"

#include <QLocale>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace
{

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kTiniest = std::numeric_limits<double>::denorm_min();
constexpr double kLargest = std::numeric_limits<double>::max();

// The double nearest m * 10^k, as a reader of "me k" would get it.
double Decimal(long long m, int k)
{
    const std::string text = std::to_string(m) + "e" + std::to_string(k);
    double v = 0;
    std::from_chars(text.data(), text.data() + text.size(), v);
    return v;
}

struct DecadeCase {
    double x;
    int decade;
    double power;
};

TEST(EngNumbers, DecadeAndPowerOfTen)
{
    // 0.1: a negative whole logarithm gives one less.
    const DecadeCase cases[] = {
        {0, 0, 1},        {9.99, 0, 1},          {10, 1, 10},                {-1234, 3, 1000},
        {0.047, -2, 0.01}, {0.1, -2, 0.01},      {1.7e308, 308, 1e308},      {kNaN, 0, 1},
        {kTiniest, -324, kTiniest},
    };
    for (const auto &c : cases)
        EXPECT_EQ(std::pair(Decade(c.x), PowerOfTen(c.x)), std::pair(c.decade, c.power)) << c.x;
}

TEST(EngNumbers, PowerOfTenIsTheNearestDoubleOverTheWholeRange)
{
    for (int k = -300; k <= 300; ++k)
        ASSERT_EQ(PowerOfTen(Decimal(3, k)), Decimal(1, k)) << k;
}

TEST(EngNumbers, AutoStep)
{
    const std::pair<double, double> cases[] = {
        {7.3, 1}, {4.2, 0.5}, {2, 0.2},   {0, 1},          {10, 2},
        {9.99, 1}, {-4, 0.5}, {kNaN, 1}, {kTiniest, kTiniest},
    };
    for (const auto &[range, step] : cases)
        EXPECT_EQ(AutoStep(range), step) << range;
}

TEST(EngNumbers, Resolution)
{
    const std::pair<double, double> cases[] = {
        {0.25, 0.01},     {300, 100},        {0, 1},
        {0.1 + 0.2, 0.1}, {1.2345e-7, 1e-11}, {968124109e11, 1e11}, {kNaN, 1}, {-kInf, 1},
    };
    for (const auto &[x, resolution] : cases)
        EXPECT_EQ(Resolution(x), resolution) << x;
}

TEST(EngNumbers, ResolutionStaysPositiveAndFiniteAtTheExtremes)
{
    for (double x : {kTiniest, 2.2250738585072014e-308, kLargest}) {
        const double r = Resolution(x);
        EXPECT_GT(r, 0) << x;
        EXPECT_TRUE(std::isfinite(r)) << x;
    }
}

struct FormatCase {
    double value;
    double resolution;
    const char *text;
};

TEST(EngNumbers, FormatEng)
{
    const FormatCase cases[] = {
        {0, 0.001, "0"},
        {1234.5, 0.1, "1,2345k"},
        {0.25, 0.01, "250m"},
        {0.000047, 0.000001, "47µ"},
        {1.5e-21, 1e-22, "1,5e-21"},
        {1e21, 1e21, "1e21"},
        {-4.7e24, 1e23, "-4,7e24"},
        {1.2345e-7, 1e-11, "123,45n"},
        // Ties go to the even neighbour.
        {2.5, 1, "2"},
        {3.5, 1, "4"},
        // The prefix follows the value rounded to its last digit, and a
        // resolution a hair above the value (a 2500-point record 4 µs apart
        // that does not start at 0) is the value.
        {999.96, 0.1, "1,0000k"},
        {999.5, 1, "1,000k"},
        {-999999.7, 1, "-1,000000M"},
        {0.0009999999999999159, 1e-3, "1m"},
        {0.0009999999, 1e-3, "1,000m"},
        {999.4, 1, "999"},
        // Resolutions out of range become a hundredth of the value.
        {5, 0, "5,00"},
        {1, 1e-12, "1,000000000000"},
        // Non-finite values and the ends of the double range.
        {kNaN, 1, "NaN"},
        {kInf, 1, "+Inf"},
        {kTiniest, 0, "4,94e-324"},
        {-kLargest, 0, "-179e306"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatEng(c.value, c.resolution), QString::fromUtf8(c.text))
            << c.value << " " << c.resolution;
}

struct ParseCase {
    const char *text;
    double value;
};

TEST(EngNumbers, ParseEng)
{
    const ParseCase cases[] = {
        {"1.5k", 1500},     {"2,2µ", 2.2e-6}, {"2,2u", 2.2e-6},   {"2,2μ", 2.2e-6}, {"3E", 3e18},
        {"1E5", 1e5},       {"1e-3", 1e-3},   {"-4,7n", -4.7e-9}, {"+12", 12},      {",5", 0.5},
        {"5,", 5},          {" 10k ", 1e4},   {"1a", 1e-18},      {"1f", 1e-15},    {"1p", 1e-12},
        {"1m", 1e-3},       {"1M", 1e6},      {"1G", 1e9},        {"1T", 1e12},     {"1P", 1e15},
        {"0,000001", 1e-6}, {"1e-400", 0},    {"007", 7},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParseEng(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(EngNumbers, ParseEngRejectsWhatIsNotANumber)
{
    const char *const texts[] = {
        "",      "   ", "k",   "E",     "-",    ",",     "1,2,3", "1.2.3",
        "1,5.3", "abc", "1e",  "1E3k",  "12kk", "1 000", "--1",   "0x10",
        "1e400", "inf", "nan", "1,5 k", "1k5",  "5K",    "1e+",   "١",
    };
    for (const char *text : texts) {
        EXPECT_THROW(ParseEng(QString::fromUtf8(text)), EConvertError) << text;
        EXPECT_FALSE(IsEngNumber(QString::fromUtf8(text))) << text;
    }
    EXPECT_TRUE(IsEngNumber(QStringLiteral("2,2µ")));
}

TEST(EngNumbers, ConversionErrorNamesTheTypedText)
{
    try {
        ParseEng(QStringLiteral("k"));
        FAIL() << "no conversion error";
    } catch (const EConvertError &error) {
        EXPECT_STREQ(error.what(), "'k' n'est pas une valeur en virgule flottante correcte");
    }
}

// Decimal values of up to nine digits are written to their own resolution and
// read back to the very same double, across the prefixed range and beyond.
TEST(EngNumbers, RoundTripAtOwnResolutionIsExact)
{
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<int> digits(1, 9);
    for (int k = -40; k <= 40; ++k) {
        for (int i = 0; i < 200; ++i) {
            const long long top = static_cast<long long>(Decimal(1, digits(random)));
            const long long m = std::uniform_int_distribution<long long>(1, top - 1)(random);
            const double v = (i % 2 ? -1 : 1) * Decimal(m, k);
            const QString text = FormatEng(v, Resolution(v));
            ASSERT_EQ(ParseEng(text), v) << m << "e" << k << " -> " << text.toStdString();
        }
    }
}

// Any bit pattern: denormals, huge values, non-finite or negative resolutions.
// Every finite value is written and read back within half the resolution
// actually used; at the top of the doubles, where rounding up would leave
// them, within one step.
TEST(EngNumbers, RoundTripOverArbitraryDoubles)
{
    std::mt19937_64 random(42);
    std::vector<std::pair<double, double>> cases;
    for (const double top : {kLargest, -kLargest, 1.75e308, 9.99e307})
        for (const double given : {0.0, 1.0, 1e305, 1e306, kLargest})
            cases.emplace_back(top, given);
    for (int i = 0; i < 20000; ++i)
        cases.emplace_back(std::bit_cast<double>(random()), std::bit_cast<double>(random()));
    for (const auto &[v, given] : cases)
        ASSERT_EQ(EngRoundTripFault(v, given), "") << v << " at " << given;
}

// The program writes and reads a decimal comma whatever the host locale says.
class EngNumbersLocale : public testing::TestWithParam<const char *>
{
protected:
    void SetUp() override
    {
        previousC = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, GetParam());
        previousQt = QLocale();
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam())));
    }
    void TearDown() override
    {
        std::setlocale(LC_ALL, previousC.c_str());
        QLocale::setDefault(previousQt);
    }

private:
    std::string previousC;
    QLocale previousQt;
};

TEST_P(EngNumbersLocale, CommaWhateverTheHost)
{
    EXPECT_EQ(FormatEng(1234.5, 0.1), QStringLiteral("1,2345k"));
    EXPECT_EQ(FormatEng(-1.5e-21, 1e-22), QStringLiteral("-1,5e-21"));
    EXPECT_EQ(ParseEng(QStringLiteral("2,5E-3")), 2.5e-3);
    EXPECT_EQ(ParseEng(QStringLiteral("1.5")), 1.5);
    EXPECT_FALSE(IsEngNumber(QStringLiteral("1,500.5")));
}

INSTANTIATE_TEST_SUITE_P(Hosts, EngNumbersLocale,
                         testing::Values("C", "de_DE.UTF-8"));

} // namespace

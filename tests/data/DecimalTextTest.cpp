#include "data/DecimalText.h"
#include <charconv>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace
{

struct Accepted {
    const char *text;
    double value;
};

class DecimalTextAccepts : public testing::TestWithParam<Accepted>
{
};

TEST_P(DecimalTextAccepts, GivesTheValue)
{
    double v = -12345.0;
    ASSERT_TRUE(ParseDecimal(std::string_view(GetParam().text), v)) << GetParam().text;
    EXPECT_DOUBLE_EQ(v, GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cells, DecimalTextAccepts,
    testing::Values(Accepted{"1.000000e-003", 0.001}, Accepted{"-4.200000E+00", -4.2},
                    Accepted{"1,5", 1.5}, Accepted{"5.", 5.0}, Accepted{"-,5", -0.5},
                    Accepted{"  3.5  ", 3.5}, Accepted{"2e0000000000000000000000003", 2000.0},
                    Accepted{"1e-400", 0.0},
                    Accepted{"1.7976931348623157e308", 1.7976931348623157e308}));

TEST(DecimalText, RejectsWhatIsNotADecimalNumber)
{
    const char *rejected[] = {"",   " ",   "1.2,3", "1,2.3", "inf", "nan", "0x10", "1e",
                              "+-1", "1 2", "1e400", "\"1\"", ",",     "-",     "1.5x"};
    for (const char *text : rejected) {
        double v = 42.0;
        EXPECT_FALSE(ParseDecimal(std::string_view(text), v)) << text;
    }
}

// Beyond the doubles a number is too large or read as zero by its magnitude,
// whatever the sign of its written exponent.
TEST(DecimalText, OutOfRangeNumbersAreClassifiedByMagnitude)
{
    const std::string zeros(5000, '0');
    const struct {
        std::string text;
        bool accepted;
    } cases[] = {
        {"1" + zeros + "e-1", false},
        {"0." + zeros + "1", true},
        {"-0," + zeros + "1e+3", true},
        {zeros + "1e-400", true},
        {"1" + zeros + "e-99999999999999999999999", true},
        {"0." + zeros + "1e99999999999999999999999", false},
    };
    for (const auto &c : cases) {
        double v = 42.0;
        EXPECT_EQ(ParseDecimal(c.text, v), c.accepted) << c.text.substr(c.text.size() - 30);
        EXPECT_TRUE(!c.accepted || v == 0.0) << v;
    }
}

// The quick path must give exactly what the full conversion gives, and must
// step aside rather than guess.
TEST(DecimalText, QuickPathAgreesWithTheFullConversion)
{
    std::mt19937_64 rng(6122026);
    const char *formats[] = {"%.6E", "%.17g", "%.3f", "%.0f", "%.12e", "%.20f"};
    int quick = 0;
    for (int round = 0; round < 100000; ++round) {
        const double mantissa = std::ldexp(double(rng() >> 11), -53) * 10.0;
        const double x = (rng() & 1 ? -1 : 1) * mantissa * std::pow(10.0, int(rng() % 60) - 30);
        char buf[96];
        const int n = std::snprintf(buf, sizeof buf, formats[round % std::size(formats)], x);
        double expected = 0, got = 0;
        ASSERT_EQ(std::from_chars(buf, buf + n, expected).ec, std::errc()) << buf;
        if (ScanPlainDecimal(buf, buf + n, got) == buf + n) {
            ++quick;
            ASSERT_EQ(got, expected) << buf;
            ASSERT_EQ(std::signbit(got), std::signbit(expected)) << buf;
        }
        ASSERT_TRUE(ParseDecimal(buf, buf + n, got)) << buf;
        ASSERT_EQ(got, expected) << buf;
    }
    EXPECT_GT(quick, 40000);
}

} // namespace

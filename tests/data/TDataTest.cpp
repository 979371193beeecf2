#include "data/EConvertError.h"
#include "data/UData.h"
#include <gtest/gtest.h>
#include <limits>

namespace
{

TEST(TData, RangeWidensAndOnlySetRangeValidFalseResetsIt)
{
    TDataAnalog a;
    a.SetCount(4);
    a.SetValue(0, 5.0);
    EXPECT_TRUE(a.RangeValid());
    a.SetValue(1, -2.0);
    a.SetValue(2, 9.0);
    a.SetValue(2, 1.0); // overwriting a sample never narrows the range
    a.SetCount(2);      // nor does shrinking
    EXPECT_EQ(std::pair(a.Min, a.Max), std::pair(-2.0, 9.0));
    a.SetRangeValid(false);
    EXPECT_EQ(std::tuple(a.RangeValid(), a.Min, a.Max), std::tuple(false, 0.0, 0.0));
    a.UpdateMax(-7.0); // an invalid range restarts at the first value
    EXPECT_EQ(std::pair(a.Min, a.Max), std::pair(-7.0, -7.0));
}

TEST(TData, GapsAndInfinitiesTakeNoPartInTheRange)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    TDataAnalog a;
    a.SetCount(5);
    a.SetValue(0, nan); // a gap first must not start the range
    EXPECT_FALSE(a.RangeValid());
    a.SetValue(1, 2.0);
    a.SetValue(2, -inf);
    a.SetValue(3, nan);
    a.SetValue(4, 3.0);
    EXPECT_EQ(std::tuple(a.RangeValid(), a.Min, a.Max), std::tuple(true, 2.0, 3.0));
}

TEST(TData, LogicCellsStoreStateCodesAndKeepTheRangeAtZeroToOne)
{
    TDataLogic l;
    struct Cell {
        const char *text;
        int code;
        double level;
    };
    const Cell cells[] = {{"\"PHI\"", 0, 1.0}, {"\"SHI\"", 1, 1.0}, {"\"WHI\"", 2, 1.0},
                          {"\"FLT\"", 3, 0.5}, {"\"WUD\"", 4, 0.5}, {"\"CON\"", 5, 0.5},
                          {"\"WLO\"", 6, 0.0}, {"\"SLO\"", 7, 0.0}, {"\"PLO\"", 8, 0.0},
                          {"\"wud\"", 4, 0.5}, {"", 4, 0.5},        {"xSLOx", 7, 0.0}};
    l.SetCount(int(std::size(cells)));
    for (int i = 0; i < int(std::size(cells)); ++i) {
        l.SetValueText(i, cells[i].text);
        EXPECT_EQ(l.States[std::size_t(i)], cells[i].code) << cells[i].text;
        EXPECT_EQ(l.GetValue(i), cells[i].level) << cells[i].text;
    }
    EXPECT_EQ(std::pair(l.Min, l.Max), std::pair(0.0, 1.0));
}

TEST(TData, HexToIntSkipsOtherCharactersAndWrapsAt32Bits)
{
    struct Row {
        const char *text;
        std::int32_t value;
    };
    const Row rows[] = {{"", 0},
                        {"FF", 255},
                        {"1G2", 0x12},
                        {"<VOID>", 0xD},
                        {"FFFFFFFF", -1},
                        {"80000000", INT32_MIN},
                        {"123456789", 0x23456789},
                        {"aBcD", 0xABCD}};
    for (const Row &r : rows) {
        EXPECT_EQ(HexToInt(std::string_view(r.text)), r.value) << r.text;
        EXPECT_EQ(HexToInt(QString::fromLatin1(r.text)), r.value) << r.text;
    }
    EXPECT_EQ(HexToInt(QString::fromUtf8("Ａ1")), 1); // a wide letter is no digit
}

class TDataOscTest : public testing::Test
{
protected:
    void SetUp() override
    {
        o.YMult = 0.5;
        o.YZero = 1.0;
        o.YOff = 100.0;
        o.SetCount(4);
    }
    TDataOsc o;
};

TEST_F(TDataOscTest, ZeroCodesAreMissingAndStayOutOfTheRange)
{
    o.SetRaw(0, 0);
    o.SetRaw(1, 0);
    EXPECT_FALSE(o.RangeValid());
    o.SetRaw(2, 110); // (110 - 100) * 0.5 + 1
    o.SetRaw(3, 90);
    EXPECT_EQ(std::tuple(o.GetValue(2), o.Min, o.Max), std::tuple(6.0, -4.0, 6.0));
}

TEST_F(TDataOscTest, TextBecomesTheNearestCodeHalvesToEven)
{
    o.SetValueText(0, "1.25"); // code 100.5 -> 100
    o.SetValueText(1, "1.75"); // code 101.5 -> 102
    o.SetValueText(2, "-49");  // code 0: missing
    EXPECT_EQ(std::tuple(o.GetRaw(0), o.GetRaw(1), o.GetRaw(2)), std::tuple(100, 102, 0));
    // The range takes the text's values, not the values of their codes.
    EXPECT_EQ(std::pair(o.Min, o.Max), std::pair(1.25, 1.75));
}

TEST_F(TDataOscTest, TextWithNoCodeDoesNotConvert)
{
    EXPECT_THROW(o.SetValueText(0, "1e300"), EConvertError);
    o.YMult = 0.0;
    EXPECT_THROW(o.SetValueText(0, "2"), EConvertError);
    EXPECT_EQ(o.GetRaw(0), 0);
    EXPECT_FALSE(o.RangeValid());
}

} // namespace

#include "data/TableReader.h"
#include "data/UData.h"
#include "support/ReaderChecks.h"
#include "support/SampleFiles.h"
#include <QStringList>
#include <QTemporaryDir>
#include <charconv>
#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace
{

constexpr double Gap = std::numeric_limits<double>::quiet_NaN();

// Samples as text, so that gaps compare equal ("nan").
std::vector<std::string> Text(const std::vector<double> &values)
{
    std::vector<std::string> out;
    for (double v : values)
        out.push_back(std::isnan(v) ? "nan" : std::to_string(v));
    return out;
}

class TableReader : public testing::Test
{
protected:
    std::vector<double> Values(int series) const
    {
        return static_cast<const TDataAnalog &>(*datas.Item(series)).Values;
    }
    QStringList Names() const
    {
        QStringList out;
        for (int i = 0; i < datas.Count(); ++i)
            out << datas.Item(i)->Name + u'|' + datas.Item(i)->Unit;
        return out;
    }
    TDatas datas;
};

struct Layout {
    const char *what;
    std::string text;
    QStringList names; // name|unit
    std::vector<std::vector<double>> columns;
};

TEST_F(TableReader, LayoutsOfEverySeparatorHeaderAndDecimalPoint)
{
    const Layout layouts[] = {
        {"comma, units in brackets", "t (s),U [V],I[mA]\n0,1.5,2\n1e-3,-2.5,3\n",
         {"t|s", "U|V", "I|mA"}, {{0, 1e-3}, {1.5, -2.5}, {2, 3}}},
        {"French spreadsheet", "Temps (s);Tension (V)\r\n0;1,5\r\n0,001;-2,25\r\n",
         {"Temps|s", "Tension|V"}, {{0, 0.001}, {1.5, -2.25}}},
        {"tabs, no header", "0\t1\n1\t2\n", {"Colonne 1|", "Colonne 2|"}, {{0, 1}, {1, 2}}},
        {"tabs and decimal commas", "t\tV(out)\n0,5\t1\n", {"t|", "V(out)|"}, {{0.5}, {1}}},
        {"blanks, commented header", "# t (s)  v\n 0   1.5\n 1\t2\n", {"t|s", "v|"},
         {{0, 1}, {1.5, 2}}},
        {"title lines before the names", "Mesures du 3 mars\n\nt;U\n0;1\n", {"t|", "U|"},
         {{0}, {1}}},
        {"gaps: blank, missing, NaN", "t;a;b\n0;;2\n1;5\n2;nan;3\n", {"t|", "a|", "b|"},
         {{0, 1, 2}, {Gap, 5, Gap}, {2, Gap, 3}}},
        {"quoted cells", "\"t\",\"x, y\"\n\"0\",\"1,5\"\n 1 , 2 \n", {"t|", "x, y|"},
         {{0, 1}, {1.5, 2}}},
        {"a column appearing later", "0;1\n1;2;;4\n", {"Colonne 1|", "Colonne 2|", "Colonne 3|",
         "Colonne 4|"}, {{0, 1}, {1, 2}, {Gap, Gap}, {Gap, 4}}},
        {"trailing separators, blank lines", "t;U;\n\n0;1;\n  \n1;2;;\n", {"t|", "U|"},
         {{0, 1}, {1, 2}}},
        {"names of columns without numbers", "t,a,b,c\n0,1\n1,,2\n", {"t|", "a|", "b|"},
         {{0, 1}, {1, Gap}, {Gap, 2}}},
        {"carriage returns only", "t;U\r0;1\r1;2", {"t|", "U|"}, {{0, 1}, {1, 2}}},
        {"quoted names over tabs", "\"t\",\"U (V)\"\n0\t1\n", {"t|", "U|V"}, {{0}, {1}}},
        {"names with a comma: commas separate", "t,U\n1,5\n2,25\n", {"t|", "U|"},
         {{1, 2}, {5, 25}}},
        {"a line of two commas: commas separate", "1,5\n2,25,3\n", {"Colonne 1|",
         "Colonne 2|", "Colonne 3|"}, {{1, 2}, {5, 25}, {Gap, 3}}},
    };
    for (const Layout &l : layouts) {
        QString why;
        ASSERT_TRUE(LoadTable(l.text, datas, &why)) << l.what << ": " << why.toStdString();
        EXPECT_EQ(Names(), l.names) << l.what;
        ASSERT_EQ(datas.Count(), int(l.columns.size())) << l.what;
        for (int c = 0; c < datas.Count(); ++c) {
            EXPECT_EQ(Text(Values(c)), Text(l.columns[std::size_t(c)])) << l.what << " " << c;
            EXPECT_EQ(datas.Item(c)->Count(), int(l.columns[0].size())) << l.what;
        }
    }
}

TEST_F(TableReader, NamesReadAsUtf8OrWindows1252AndColoursFollowThePalette)
{
    for (const char *text : {"Temps (\xB5s);\xC9nergie\n0;1\n", "Temps (\xC2\xB5s);\xC3\x89nergie\n0;1\n",
                             "\xEF\xBB\xBFTemps (\xC2\xB5s);\xC3\x89nergie\n0;1\n"}) {
        ASSERT_TRUE(LoadTable(text, datas)) << text;
        EXPECT_EQ(Names(), QStringList({QString::fromUtf8("Temps|µs"), QString::fromUtf8("Énergie|")}));
        EXPECT_EQ(datas.Item(1)->Color, IsisPalette[1]);
    }
}

TEST_F(TableReader, RangesLeaveGapsOut)
{
    ASSERT_TRUE(LoadTable("t;a;b\n0;;\n1;-3;\n2;7;\n", datas));
    EXPECT_EQ(std::tuple(datas.Item(1)->RangeValid(), datas.Item(1)->Min, datas.Item(1)->Max),
              std::tuple(true, -3.0, 7.0));
    EXPECT_EQ(datas.Count(), 2) << "a named column without numbers is no series";
}

TEST_F(TableReader, RefusalsNameTheLineAndLeaveNothingBehind)
{
    std::string millionColumns = "0";
    for (int c = 1; c < 1000000; ++c)
        millionColumns += ";0";
    std::string growing = "0;1\n0";
    for (int c = 0; c < 70000; ++c)
        growing += ";1";
    // Short lines would fill 60,000 columns with gaps.
    std::string lying = "0";
    for (int c = 1; c < 60000; ++c)
        lying += ";1";
    for (int r = 0; r < 2000000; ++r)
        lying += "\n1";
    const struct {
        std::string text;
        const char *why;
    } refusals[] = {
        {"", "Le fichier est vide."},
        {"t;U\nx;y\n", "Lignes 1 à 2 : aucune ligne de nombres"},
        {"t;U\n0;1\n\n1;abc\n", "Ligne 4, colonne 2 : « abc » n'est pas un nombre."},
        {"t;U\r\r0;1\r1;2,5.1\r", "Ligne 4, colonne 2 : « 2,5.1 » n'est pas un nombre."},
        {millionColumns, "Ligne 1 : 1000000 colonnes, plus que les 65536 possibles."},
        {growing, "Ligne 2, colonne 65537 : plus que les 65536 colonnes possibles."},
        {lying, "60000 colonnes sur 2000001 lignes font plus de valeurs"},
        // One column, whose commas are decimal commas as a French spreadsheet
        // writes them: no abscissa for the values.
        {"Tension (V)\r\n0\r\n1,5\r\n2\r\n-2,25\r\n",
         "Ligne 2 : le tableau n'a qu'une colonne de nombres à virgule décimale"},
        {"1,5\n2,25\n\n3,125\n", "Ligne 1 : le tableau n'a qu'une colonne de nombres à virgule"},
        {"Mesures\n12\n13\n", "Ligne 2 : le tableau n'a qu'une colonne de nombres ; il en faut"},
    };
    for (const auto &r : refusals) {
        datas.Add(std::make_unique<TDataAnalog>());
        QString why;
        EXPECT_FALSE(LoadTable(r.text, datas, &why)) << r.why;
        EXPECT_EQ(datas.Count(), 0) << r.why;
        EXPECT_TRUE(why.contains(QString::fromUtf8(r.why))) << why.toStdString();
    }
}

// Numbers written every way a table may hold them read as std::from_chars
// reads their plain form: the fast scan and the full conversion agree.
TEST_F(TableReader, RandomTablesReadBackExactly)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-30, 30), pick(0, 3);
    for (int round = 0; round < 40; ++round) {
        const char separators[] = {',', ';', '\t', ' '};
        const char separator = separators[pick(random)];
        const bool comma = separator != ',' && pick(random) < 2;
        std::string text = "a b\n";
        std::vector<double> written;
        for (int row = 0; row < 200; ++row) {
            for (int c = 0; c < 3; ++c) {
                const double v = mantissa(random) * std::pow(10.0, exponent(random));
                char cell[40];
                const char *formats[] = {"%.17g", "%.6e", "%.3f", "%.17E"};
                std::snprintf(cell, sizeof cell, formats[pick(random)], v);
                std::string s = cell;
                double expected = 0;
                std::from_chars(s.data(), s.data() + s.size(), expected);
                if (comma && s.find('.') != std::string::npos)
                    s[s.find('.')] = ',';
                text += (c ? std::string(1, separator) : std::string()) + s;
                written.push_back(expected);
            }
            text += "\r\n";
        }
        ASSERT_TRUE(LoadTable(text, datas)) << text.substr(0, 200);
        ASSERT_EQ(datas.Count(), 3);
        for (std::size_t i = 0; i < written.size(); ++i)
            ASSERT_EQ(Values(int(i % 3))[i / 3], written[i]) << round << " " << i;
        ASSERT_EQ(TableWellFormedOrEmptyFault(datas, text), "");
    }
}

// Spreadsheets save "Unicode text" as UTF-16 behind a byte-order mark,
// cells separated by tabs.
TEST_F(TableReader, Utf16TextReadsAsTheSameTable)
{
    const QString text = QString::fromUtf8("Temps (s)\tIntensité (µA)\t\U0001D461\r\n"
                                           "0\t1,5\t2\r\n0,001\t-2,25\t\r\n");
    QByteArray little("\xFF\xFE"), big("\xFE\xFF");
    for (const QChar c : text) {
        little += char(c.unicode() & 0xFF);
        little += char(c.unicode() >> 8);
        big += char(c.unicode() >> 8);
        big += char(c.unicode() & 0xFF);
    }
    QTemporaryDir dir;
    for (const QByteArray &bytes : {little, big}) {
        const QString file = WriteSampleFile(dir, QStringLiteral("unicode.txt"), bytes + '\0');
        ASSERT_TRUE(LooksLikeTable(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
        QString why;
        ASSERT_TRUE(LoadTableFile(file, datas, &why)) << why.toStdString();
        EXPECT_EQ(Names(), QStringList({QString::fromUtf8("Temps|s"),
                                        QString::fromUtf8("Intensité|µA"),
                                        QString::fromUtf8("\U0001D461|")}));
        EXPECT_EQ(Text(Values(1)), Text({1.5, -2.25}));
        EXPECT_EQ(Text(Values(2)), Text({2, Gap}));
    }
    // A lone surrogate is a replacement character; a last odd byte is dropped.
    ASSERT_TRUE(LoadTable(std::string("\xFF\xFE\x00\xD8;\0\n\0" "0\0;\0" "1\0\n", 15), datas));
    EXPECT_EQ(Names(), QStringList({QString::fromUtf8("\uFFFD|"), QStringLiteral("Colonne 2|")}));
}

TEST_F(TableReader, AZeroByteEndsEightBitText)
{
    QTemporaryDir dir;
    const QString file =
        WriteSampleFile(dir, QStringLiteral("zero.csv"), QByteArray("t;U\n0;1\n1;2\n\0" "2;3\n", 17));
    ASSERT_TRUE(LoadTableFile(file, datas));
    EXPECT_EQ(Text(Values(1)), Text({1, 2}));
}

TEST(TableSniffer, KnowsTablesFromOtherText)
{
    for (const char *table : {"t;U\n0;1,5\n", "0.1,2\n", "x y\n1 2\n", "12\n13\n"})
        EXPECT_TRUE(LooksLikeTable(table)) << table;
    for (const char *other : {"Bonjour, le monde.\n", ""})
        EXPECT_FALSE(LooksLikeTable(other)) << other;
}

} // namespace

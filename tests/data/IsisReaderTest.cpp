#include "data/UData.h"
#include "support/ReaderChecks.h"
#include "support/SampleFiles.h"
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <locale>
#include <string>
#include <sys/stat.h>

namespace
{

class IsisReader : public testing::Test
{
protected:
    bool Load(std::string_view text) { return datas.LoadFromIsisText(text); }
    const TData &S(int i) const { return *datas.Item(i); }
    double V(int series, int sample) const { return S(series).GetValue(sample); }
    std::vector<double> Values(int series) const
    {
        std::vector<double> out;
        for (int i = 0; i < S(series).Count(); ++i)
            out.push_back(V(series, i));
        return out;
    }
    // Fails unless the load failed and left nothing behind.
    void ExpectRejected(std::string_view text)
    {
        datas.Add(std::make_unique<TDataAnalog>());
        EXPECT_FALSE(Load(text)) << text;
        EXPECT_EQ(datas.Count(), 0) << text;
    }
    TDatas datas;
};

TEST_F(IsisReader, ReadsNamesKindsColoursAndSamples)
{
    ASSERT_TRUE(Load("\"Time\",\"V(N1)\",\"D1\",\"BUS1\"\r\n"
                     "0.000000E+00,1.234567E-03,\"SHI\",\"0F\"\r\n"
                     "1.000000E-06,-4.200000E+00,\"SLO\",\"<VOID>\"\r\n"));
    ASSERT_EQ(datas.Count(), 4);
    const char *names[] = {"Time", "V(N1)", "D1", "BUS1"};
    const TDataKind kinds[] = {dkAnalog, dkAnalog, dkLogic, dkBus};
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(std::tuple(S(c).Name, S(c).Kind, S(c).Color, S(c).Unit),
                  std::tuple(names[c], kinds[c], IsisPalette[std::size_t(c)], QString()));
    EXPECT_EQ(Values(0), (std::vector<double>{0, 1.000000E-06}));
    EXPECT_EQ(Values(1), (std::vector<double>{1.234567E-03, -4.2}));
    EXPECT_EQ(Values(2), (std::vector<double>{1, 0}));
    EXPECT_EQ(Values(3), (std::vector<double>{15, -1}));
    EXPECT_EQ(std::pair(S(1).Min, S(1).Max), std::pair(-4.2, 1.234567E-03));
    EXPECT_EQ(std::pair(S(3).Min, S(3).Max), std::pair(0.0, 15.0)) << "a void word is no value";
}

TEST_F(IsisReader, ColumnsBeyondTheNamesTakeTheLastName)
{
    ASSERT_TRUE(Load("\"t\",\"v1\"\n0,1,2\n"));
    ASSERT_EQ(datas.Count(), 3);
    EXPECT_EQ(S(2).Name, "v1");
}

TEST_F(IsisReader, NamesKeepUnusualTextAndReadWindows1252)
{
    ASSERT_TRUE(Load("\"I(\xB5R)\",\"\x80\",\"a,b\",\"\"\n1,2,3,4,5\n"));
    // Commas inside names count as columns on line 2 only.
    ASSERT_EQ(datas.Count(), 5);
    EXPECT_EQ(QStringList({S(0).Name, S(1).Name, S(2).Name, S(3).Name, S(4).Name}),
              QStringList({QString::fromUtf8("I(µR)"), QString::fromUtf8("€"), "a,b", "", ""}));
}

TEST_F(IsisReader, ColumnCountComesFromLineTwoAlone)
{
    ASSERT_TRUE(Load("\"t\",\"a\",\"b\"\n1,2\n3,4,5,6\n7\n"));
    ASSERT_EQ(datas.Count(), 2);
    // A long line's extra cells are ignored; a short line's last cell fills the rest.
    EXPECT_EQ(Values(1), (std::vector<double>{2, 4, 7}));
    EXPECT_EQ(V(0, 2), 7.0);
}

TEST_F(IsisReader, ShortLinesAndEmptyCellsReadPerKind)
{
    ASSERT_TRUE(Load("\"t\",\"d\",\"b\"\n1,\"SHI\",\"A\"\n2,\"FF\"\n3\n"));
    const auto &logic = static_cast<const TDataLogic &>(S(1));
    EXPECT_EQ(logic.States, (std::vector<std::uint8_t>{1, UnknownLogicState, UnknownLogicState}));
    EXPECT_EQ(V(2, 1), 255.0);
    EXPECT_EQ(V(0, 2), 3.0);
    EXPECT_EQ(V(2, 2), 0.0); // "3" without its first and last characters
    // Later empty cells are fine for logic (unknown state) and bus (no digits).
    ASSERT_TRUE(Load("\"t\",\"d\",\"b\"\n1,\"SHI\",\"A\"\n2,,\n"));
    EXPECT_EQ(static_cast<const TDataLogic &>(S(1)).States[1], UnknownLogicState);
    EXPECT_EQ(V(2, 1), 0.0);
    // An analog column cannot read the quoted cell repeated into it.
    ExpectRejected("\"t\",\"d\"\n1,\"SHI\"\n\"SLO\"\n");
}

TEST_F(IsisReader, KindsComeFromLineTwo)
{
    ASSERT_TRUE(Load("\"t\",\"d\",\"b\"\n0,\"SHI\",\"<VOID>\"\n1,\"1F\",\"<VOID>\"\n"
                     "2,\"wud\",\"SHI\"\n"));
    const auto &logic = static_cast<const TDataLogic &>(S(1));
    const auto &bus = static_cast<const TDataBus &>(S(2));
    EXPECT_EQ(logic.States, (std::vector<std::uint8_t>{1, 4, 4}));
    EXPECT_EQ(bus.Words, (std::vector<std::int32_t>{-1, -1, HexToInt(std::string_view("SHI"))}));
    EXPECT_EQ(std::pair(logic.Min, logic.Max), std::pair(0.0, 1.0));
}

TEST_F(IsisReader, LineBreaksOfEveryKind)
{
    using namespace std::string_literals;
    const std::string texts[] = {"\"t\",\"v\"\r1,2\r3,4\r"s, "\"t\",\"v\"\r\n1,2\n3,4"s,
                                 "\"t\",\"v\"\r1,2\r\n3,4\0garbage\n5,6"s};
    for (const std::string &text : texts) {
        ASSERT_TRUE(Load(text)) << text;
        EXPECT_EQ(std::pair(Values(0), Values(1)),
                  std::pair(std::vector<double>{1, 3}, std::vector<double>{2, 4}))
            << text;
    }
    // A line feed before a carriage return makes two breaks.
    ExpectRejected("\"t\",\"v\"\n1,2\n\r3,4\n");
}

TEST_F(IsisReader, ColourCyclesEveryTenColumns)
{
    ASSERT_TRUE(Load(IsisExportText(12, 1).toStdString()));
    ASSERT_EQ(datas.Count(), 12);
    EXPECT_EQ(S(10).Color, clBlue);
    EXPECT_EQ(S(11).Color, IsisPalette[1]);
}

// Each refusal names the line (and the cell) at fault.
TEST_F(IsisReader, FailuresLeaveTheCollectionEmptyAndSayWhere)
{
    const struct {
        std::string_view text, reason;
    } cases[] = {
        {"", "Ligne 2 : "},
        {"\"t\",\"v\"\r\n", "Ligne 2 : "},
        {"\r\n1,2\r\n", "Ligne 1 : "},
        {"\"t\",\"v\"\n1,\n", "Ligne 2, colonne 2 : la cellule est vide."},
        {"\"t\",\"v\"\n\n1,2\n", "Ligne 2, colonne 1 : la cellule est vide."},
        {"\"t\",\"v\"\n1,2\n3,x\n", "Ligne 3, colonne 2 : « x » n'est pas un nombre."},
        {"\"t\",\"v\",\"w\"\n1,2,3\ninf\n", "Ligne 3, colonne 1 : « inf » n'est"},
        {"\"t\",\"v\",\"w\"\n1,2,3\n1,nan\n", "Ligne 3, colonne 2 : « nan » n'est"},
        // A zero byte ends the text, here inside a cell.
        {std::string_view("\"t\",\"v\"\n1,2\n3,\0"
                          "4\n",
                          16),
         "Ligne 3, colonne 2 : la cellule est vide."},
    };
    for (const auto &c : cases) {
        datas.Add(std::make_unique<TDataAnalog>());
        QString why;
        EXPECT_FALSE(datas.LoadFromIsisText(c.text, &why)) << c.text;
        EXPECT_EQ(datas.Count(), 0) << c.text;
        EXPECT_TRUE(why.startsWith(QString::fromUtf8(c.reason.data(), qsizetype(c.reason.size()))))
            << c.text << " -> " << why.toStdString();
    }
}

// A short line fills its missing columns from its last cell, converted once:
// reading stays linear whatever the line shapes, and a bad repeated cell is
// reported where it was written.
TEST_F(IsisReader, ShortLinesOfAWideFileReadOnceEach)
{
    std::string text = "\"t\"\n0";
    for (int c = 1; c < 20000; ++c)
        text += ",1";
    text += "\n" + std::string(100000, ' ') + "7\n";
    ASSERT_TRUE(Load(text));
    EXPECT_EQ(V(19999, 1), 7.0);
    QString why;
    EXPECT_FALSE(datas.LoadFromIsisText(text + "8,x\n", &why));
    EXPECT_EQ(why, QString::fromUtf8("Ligne 4, colonne 2 : « x » n'est pas un nombre."));
}

// A byte-order mark says the names are UTF-8; without it they are Windows-1252.
TEST_F(IsisReader, AByteOrderMarkMakesTheNamesUtf8)
{
    ASSERT_TRUE(Load("\xEF\xBB\xBF\"Temps\",\"I(\xC2\xB5R)\"\n0,1\n"));
    EXPECT_EQ(S(0).Name, QStringLiteral("Temps"));
    EXPECT_EQ(S(1).Name, QString::fromUtf8("I(µR)"));
}

TEST_F(IsisReader, InputsAskingForHugeCollectionsAreRejected)
{
    std::string wide = "\"t\"\n1";
    for (int c = 0; c < 70000; ++c)
        wide += ",1";
    ExpectRejected(wide + "\n");

    // A few thousand columns repeated by one-byte lines: far more samples
    // than the file could hold.
    std::string shortLines = "\"t\"\n1";
    for (int c = 0; c < 5000; ++c)
        shortLines += ",1";
    shortLines += "\n";
    shortLines.append(400000, '\n');
    ExpectRejected(shortLines);
}

TEST_F(IsisReader, DecimalPointsReadTheSameUnderACommaLocale)
{
    struct CommaPoint : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaPoint));
    const QLocale previousQt;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    const bool loaded = Load("\"t\",\"v\"\n1.5,2.25E1\n");
    std::locale::global(previous);
    QLocale::setDefault(previousQt);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(std::pair(V(0, 0), V(1, 0)), std::pair(1.5, 22.5));
}

TEST_F(IsisReader, ReadsAFileAndFailsOnAMissingOne)
{
    QTemporaryDir dir;
    const QString path = WriteSampleFile(dir, QStringLiteral("graph.dat"),
                                         "\"Time\",\"V(\xB5)\"\r\n0.0,1.0\r\n1.0,-1.0\r\n");
    ASSERT_TRUE(datas.LoadFromIsisFile(path));
    EXPECT_EQ(S(1).Name, QString::fromUtf8("V(µ)"));
    EXPECT_FALSE(datas.LoadFromIsisFile(dir.filePath("absent.dat")));
    EXPECT_FALSE(datas.LoadFromIsisFile(dir.path())); // a folder
    EXPECT_EQ(datas.Count(), 0);
    // Devices and pipes are refused without reading or waiting on them: a
    // pipe with no writer would otherwise block for ever.
    const QString fifo = dir.filePath("tube.dat");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (const QString &special : {fifo, QStringLiteral("/dev/zero")}) {
        QString why;
        EXPECT_FALSE(datas.LoadFromIsisFile(special, &why));
        EXPECT_EQ(why, QStringLiteral("Ce n'est pas un fichier ordinaire (périphérique ou tube)."));
    }
    // A file of zeros ends at its first byte.
    QString why;
    EXPECT_FALSE(datas.LoadFromIsisFile(
        WriteSampleFile(dir, QStringLiteral("zeros.dat"), QByteArray(3 << 20, '\0')), &why));
    EXPECT_TRUE(why.startsWith(QStringLiteral("Ligne 2 : "))) << why.toStdString();
}

TEST_F(IsisReader, EveryPrefixOfAnExportIsReadOrRejectedCleanly)
{
    const std::string text = "\"Time\",\"V(N1)\",\"D1\",\"BUS1\"\r\n"
                             "0.000000E+00,1.234567E-03,\"SHI\",\"0F\"\r\n"
                             "1.000000E-06,-4.200000E+00,\"SLO\",\"<VOID>\"\r\n"
                             "2.000000E-06,5.5e+000,\"FLT\"\r";
    int accepted = 0;
    for (std::size_t n = 0; n <= text.size(); ++n) {
        ASSERT_EQ(WellFormedOrEmptyFault(datas, text.substr(0, n)), "") << n;
        accepted += datas.Count() > 0;
    }
    EXPECT_GT(accepted, 0);
}

} // namespace

// Document values: how each kind is written and read back, the errors that
// name their line, the text encoding, and the series section.
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "data/EConvertError.h"
#include "data/UData.h"
#include <QStringList>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <tuple>

namespace
{

QStringList Lines(const QByteArray &document)
{
    QStringList lines = QString::fromLatin1(document).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines.takeLast(), QString()); // every line ends with CR LF
    return lines;
}

std::string_view View(const QByteArray &bytes)
{
    return std::string_view(bytes.constData(), std::size_t(bytes.size()));
}

// The message of the error a reading throws, or empty.
QString FailureOf(const QByteArray &document, const std::function<void(DocumentReader &)> &read)
{
    DocumentReader in(View(document));
    try {
        read(in);
    } catch (const EConvertError &e) {
        return e.Message();
    }
    return {};
}

TEST(DocumentLines, RealsTakeTheGeneralFormatWithADecimalComma)
{
    const std::pair<double, const char *> cases[] = {
        {0, "0"},
        {1.5, "1,5"},
        {-2, "-2"},
        {0.1 + 0.2, "0,3"},
        {1.0 / 3, "0,333333333333333"},
        {0.0001, "0,0001"},
        {0.00001234, "1,234E-5"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1E15"},
        {999999999999999.9, "1E15"},
        {-6.02214076e23, "-6,02214076E23"},
        {std::numeric_limits<double>::denorm_min(), "5E-324"},
        // Rounded up, the largest doubles would read back as out of range.
        {std::numeric_limits<double>::max(), "1,79769313486231E308"},
        {-std::numeric_limits<double>::max(), "-1,79769313486231E308"},
        {1.7976931348623e308, "1,7976931348623E308"},
    };
    QStringList expected;
    for (const auto &c : cases)
        expected << QString::fromLatin1(c.second);
    EXPECT_EQ(Lines(DocumentBytes([&](DocumentWriter &out) {
                  for (const auto &c : cases)
                      out.WriteReal(c.first);
              })),
              expected);
}

TEST(DocumentLines, EveryWrittenRealReadsBackTo15Digits)
{
    std::mt19937_64 random(12);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-300, 300);
    std::vector<double> values{std::numeric_limits<double>::max(),
                               std::numeric_limits<double>::min(),
                               std::numeric_limits<double>::denorm_min()};
    for (int i = 0; i < 20000; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
    const QByteArray document = DocumentBytes([&](DocumentWriter &out) {
        for (double v : values)
            out.WriteReal(v);
    });
    DocumentReader in(View(document));
    for (double v : values)
        ASSERT_NEAR(in.ReadReal(), v, std::fabs(v) * 5e-15) << v;
}

TEST(DocumentLines, ValuesOfEveryKindReadBack)
{
    const QByteArray document = DocumentBytes([](DocumentWriter &out) {
        out.WriteColor(RGBColor(255, 200, 0));
        out.WriteColor(clBlue);
        out.WriteColor(0x80000000u + 15);
        out.WriteSet(TSeriesSet{1, 2, 5});
        out.WriteSet(TSeriesSet{});
        out.WriteBool(true);
        out.WriteBool(false);
        out.WriteInt(-42);
    });
    EXPECT_EQ(Lines(document),
              QString::fromLatin1("$0000C8FF clBlue clBtnFace 1;2;5  True False -42")
                  .split(QLatin1Char(' ')));

    DocumentReader in(View(document));
    EXPECT_EQ(in.ReadColor(), RGBColor(255, 200, 0));
    EXPECT_EQ(in.ReadColor(), clBlue);
    EXPECT_EQ(in.ReadColor(), 0x80000000u + 15);
    EXPECT_EQ(in.ReadSet(), (TSeriesSet{1, 2, 5}));
    EXPECT_EQ(in.ReadSet(), TSeriesSet{});
    EXPECT_TRUE(in.ReadBool());
    EXPECT_FALSE(in.ReadBool());
    EXPECT_EQ(in.ReadInt(), -42);
    EXPECT_TRUE(in.AtEnd());
}

TEST(DocumentLines, ReadingIsLenientWhereTheFormatIs)
{
    DocumentReader in("CLBLUE\nclaqua\r$FF\r\n255\n1,5\n1.5\n-2,5E-3\n3;300;-1;7\ntrue\n");
    EXPECT_EQ(in.ReadColor(), clBlue);
    EXPECT_EQ(in.ReadColor(), clAqua);
    EXPECT_EQ(in.ReadColor(), clRed);
    EXPECT_EQ(in.ReadColor(), clRed);
    EXPECT_EQ(in.ReadReal(), 1.5);
    EXPECT_EQ(in.ReadReal(), 1.5);
    EXPECT_EQ(in.ReadReal(), -0.0025);
    EXPECT_EQ(in.ReadSet(), (TSeriesSet{3, 7}));
    EXPECT_FALSE(in.ReadBool()); // only "True" is true
    EXPECT_EQ(in.LineNumber(), 9u);
}

TEST(DocumentLines, ConversionErrorsNameTheLineAndItsText)
{
    const std::pair<QByteArray, const char *> cases[] = {
        {"1\n2\nx1\n", "Ligne 3 : 'x1' n'est pas une valeur entière correcte"},
        {"1\n2\n\n", "Ligne 3 : '' n'est pas une valeur entière correcte"},
        {"1\n2\n3000000000\n", "Ligne 3 : '3000000000' n'est pas une valeur entière correcte"},
        {"1\n2\n1,5\n", "Ligne 3 : '1,5' n'est pas une valeur entière correcte"},
        {"1\n2\n", "Ligne 3 : le document s'arrête avant sa fin : il est tronqué"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FailureOf(c.first,
                            [](DocumentReader &in) {
                                for (int i = 0; i < 3; ++i)
                                    in.ReadInt();
                            }),
                  QString::fromUtf8(c.second));
    EXPECT_EQ(
        FailureOf("1.5,2\n", [](DocumentReader &in) { in.ReadReal(); }),
        QStringLiteral("Ligne 1 : '1.5,2' n'est pas une valeur en virgule flottante correcte"));
    EXPECT_EQ(FailureOf("clBleu\n", [](DocumentReader &in) { in.ReadColor(); }),
              QStringLiteral("Ligne 1 : 'clBleu' n'est pas une valeur entière correcte"));
    EXPECT_EQ(FailureOf("-268435456\n268435457\n", [](DocumentReader &in) {
                  in.ReadInt(PagePosition);
                  in.ReadInt(PagePosition);
              }),
              QStringLiteral("Ligne 2 : la valeur 268435457 sort des limites de la page "
                             "(de -268435456 à 268435456)"));
    EXPECT_EQ(FailureOf("-1\n3\na\nb\n", [](DocumentReader &in) { in.ReadInt(PageSize); }),
              QStringLiteral("Ligne 1 : la valeur -1 sort des limites de la page "
                             "(de 0 à 268435456)"));
    EXPECT_EQ(FailureOf("3\na\nb\n", [](DocumentReader &in) { in.ReadCount(); }),
              QStringLiteral("Ligne 1 : le document annonce 3 éléments mais s'arrête avant : "
                             "il est tronqué"));
}

TEST(DocumentLines, TextsAreWindows1252WhenTheyFitOtherwiseUtf8WithAMark)
{
    EXPECT_EQ(DocumentBytes([](DocumentWriter &out) {
                  out.WriteText(QStringLiteral("µA"));
                  out.WriteInt(1);
                  out.WriteText(QStringLiteral("€ élevé"));
              }),
              QByteArray("\xB5" "A\r\n1\r\n\x80 \xE9lev\xE9\r\n"));

    // The text that does not fit comes after many lines already sent.
    const QByteArray document = DocumentBytes([](DocumentWriter &out) {
        out.WriteText(QStringLiteral("µA"));
        for (int i = 0; i < 200000; ++i)
            out.WriteInt(7);
        out.WriteText(QStringLiteral("10 kΩ\nsuite"));
    });
    EXPECT_EQ(document, QByteArray("\xEF\xBB\xBF\xC2\xB5" "A\r\n") +
                            QByteArray("7\r\n").repeated(200000) + "10 k\xCE\xA9 suite\r\n");

    const std::pair<QByteArray, QString> read[] = {
        {document, QStringLiteral("µA")},
        {"\xB5"
         "A\r\n",
         QStringLiteral("µA")}, // not UTF-8: Windows-1252
        {"\xC2\xB5"
         "A\n",
         QStringLiteral("µA")}, // valid UTF-8 without mark
        {"\xC2"
         "A\n",
         QStringLiteral("ÂA")},
    };
    for (const auto &[bytes, text] : read) {
        DocumentReader in(View(bytes));
        EXPECT_EQ(in.ReadText(), text) << bytes.toHex().constData();
    }

    // Its Windows-1252 bytes C3 A9 would read back as "é": it stays UTF-8.
    const QByteArray written =
        DocumentBytes([](DocumentWriter &out) { out.WriteText(QStringLiteral("Ã©")); });
    DocumentReader in(View(written));
    EXPECT_EQ(in.ReadText(), QStringLiteral("Ã©"));
}

TEST(DocumentLines, EveryTextOfASeriesReadsBackInEitherEncoding)
{
    // Name, unit, channel and waveform of an oscilloscope series; the first
    // section is UTF-8 (it holds an omega), the second Windows-1252.
    const QByteArray sections[] = {
        "[Datas]\r\nNb series=1\r\nOsc\r\nCH1 \xCE\xA9\r\n\xC2\xB5V\r\nclBlack\r\n1\r\n"
        "\xC3\xBB\r\nCH1 \xC3\xA9\r\n0,04\r\n128\r\n0,5\r\n100\r\n[Datas End]\r\n",
        "[Datas]\r\nNb series=1\r\nOsc\r\nCH1 \x80\r\n\xB5V\r\nclBlack\r\n1\r\n"
        "\xFB\r\nCH1 \xE9\r\n0,04\r\n128\r\n0,5\r\n100\r\n[Datas End]\r\n",
    };
    for (const QByteArray &section : sections) {
        TDatas datas;
        DocumentReader in(View(section));
        datas.LoadFromStrings(in);
        const auto *osc = static_cast<const TDataOsc *>(datas.Item(0));
        EXPECT_EQ(std::tuple(osc->Unit, osc->Channel, osc->WaveformId),
                  std::tuple(QStringLiteral("µV"), U'û', QStringLiteral("CH1 é")));
        const QByteArray written =
            DocumentBytes([&](DocumentWriter &out) { datas.SaveToStrings(out); });
        EXPECT_EQ(Lines(written.mid(written.startsWith("\xEF\xBB\xBF") ? 3 : 0)),
                  Lines(section));
    }
}

TEST(DocumentLines, SeriesSectionsThatCannotBeReadSayWhy)
{
    const std::pair<QByteArray, const char *> cases[] = {
        {"[Datas]\nNb series 1\n", "Ligne 2 : '' n'est pas une valeur entière correcte"},
        {"[Datas]\nNb series=1\nAnalogique\n", "Ligne 3 : type de série inconnu : « Analogique »"},
        {"[Datas]\nNb series=1\nAnalog\nV\n\nclRed\n2\n1\n",
         "Ligne 7 : le document annonce 2 éléments mais s'arrête avant : il est tronqué"},
    };
    for (const auto &[document, message] : cases) {
        TDatas datas;
        EXPECT_EQ(FailureOf(document, [&](DocumentReader &in) { datas.LoadFromStrings(in); }),
                  QString::fromUtf8(message));
    }
}

} // namespace

// Channel files built from the instrument's published CSV layout (see
// support/ScopeCsvFiles.h): no instrument runs here.
#include "data/ScopeCsvReader.h"
#include "support/ReaderChecks.h"
#include "support/ScopeCsvFiles.h"
#include <gtest/gtest.h>

namespace
{

std::string Codes(const TChannelData &r)
{
    return std::string(reinterpret_cast<const char *>(r.Data.data()), std::size_t(r.NrPt));
}

std::string Ramp(int count, int first = 100)
{
    std::string codes;
    for (int i = 0; i < count; ++i)
        codes += char(first + i);
    return codes;
}

TEST(ScopeCsvReader, FillsTheRecordASerialTransferOfTheWaveformFills)
{
    ScopeCsvChannel c;
    c.Source = "CH2";
    c.VerticalScale = 0.5;
    c.VerticalOffset = -1.0; // the zero level two divisions below the centre
    c.SampleInterval = 1e-5;
    c.TriggerPoint = 5;
    c.FirstTime = -2e-4;
    const std::string codes = Ramp(20);
    c.Values = ValuesOfCodes(codes, c.VerticalScale, c.VerticalOffset);
    TScopeCsv channel;
    QString why;
    ASSERT_TRUE(LoadScopeCsv(ScopeCsvText(c).toStdString(), channel, &why)) << why.toStdString();
    const TChannelData &r = channel.Record;
    EXPECT_EQ(std::tuple(channel.Tag, r.Name, r.Present, r.NrPt, r.YUnit, r.XUnit),
              std::tuple('2', QStringLiteral("CH2"), true, 20, QStringLiteral("V"),
                         QStringLiteral("s")));
    EXPECT_EQ(std::tuple(r.YMult, r.YZero, r.YOff), std::tuple(0.02, 0.0, 78.0));
    EXPECT_EQ(r.PtOff, 5);
    EXPECT_DOUBLE_EQ(r.XIncr, 1e-5);
    EXPECT_DOUBLE_EQ(r.XZero, -2e-4 + 5e-5) << "the time of the trigger point";
    EXPECT_EQ(Codes(r), codes);
    EXPECT_EQ(r.WfId, QString::fromUtf8("CH2, 500mV/div, 20µs/div, 20 points, sonde x10, OSC-2012"));
}

TEST(ScopeCsvReader, SourcesUnitsAndCodesAtTheEdges)
{
    const struct {
        const char *source;
        char tag;
        const char *name;
    } sources[] = {{"CH1", '1', "CH1"}, {"ch4", '4', "CH4"}, {"MATH", 'M', "MATH"},
                   {"REFA", 'A', "RefA"}, {"REFB", 'B', "RefB"}};
    for (const auto &s : sources) {
        ScopeCsvChannel c;
        c.Source = s.source;
        c.VerticalUnits = "U";
        c.Values = ValuesOfCodes(Ramp(20), c.VerticalScale, 0);
        c.Values[0] = std::nan("");    // a blank cell: no sample
        c.Values[1] = -100;            // below the codes
        c.Values[2] = 100;             // above them
        c.Values[3] = -128 * 0.02;     // code 0, yet a sample
        TScopeCsv channel;
        ASSERT_TRUE(LoadScopeCsv(ScopeCsvText(c).toStdString(), channel)) << s.source;
        EXPECT_EQ(std::tuple(channel.Tag, channel.Record.Name, channel.Record.YUnit),
                  std::tuple(s.tag, QString::fromLatin1(s.name), QStringLiteral("Undefine")));
        EXPECT_EQ(Codes(channel.Record).substr(0, 5), std::string("\0\1\xFF\1\x68", 5));
    }
}

TEST(ScopeCsvReader, RefusalsNameTheLine)
{
    ScopeCsvChannel good;
    good.Values = ValuesOfCodes(Ramp(20), good.VerticalScale, 0);
    const std::string text = ScopeCsvText(good).toStdString();
    auto with = [&](auto change) {
        ScopeCsvChannel c = good;
        change(c);
        return ScopeCsvText(c).toStdString();
    };
    auto replaced = [&](const std::string &from, const std::string &to) {
        const std::size_t at = text.find(from);
        return text.substr(0, at) + to + text.substr(at + from.size());
    };
    const struct {
        std::string text;
        const char *why;
    } refusals[] = {
        {with([](ScopeCsvChannel &c) { c.RecordLength = 2501; }),
         "Ligne 1 : « Record Length » vaut « 2.501000e+03 », il faut un nombre entier de points "
         "de 1 à 2500."},
        {with([](ScopeCsvChannel &c) { c.RecordLength = 21; }),
         "Ligne 20 : le fichier s'arrête après 20 points, « Record Length » en annonce 21."},
        {with([](ScopeCsvChannel &c) { c.RecordLength = 19; }),
         "Ligne 20 : plus de points que les 19 annoncés par « Record Length »."},
        {with([](ScopeCsvChannel &c) { c.Source = "REFC"; }),
         "Ligne 7 : la source « REFC » n'est pas une voie de l'oscilloscope."},
        {with([](ScopeCsvChannel &c) { c.VerticalScale = 0; }),
         "Ligne 9 : « Vertical Scale » vaut « 0.000000e+00 », il faut un nombre positif."},
        {with([](ScopeCsvChannel &c) { c.SampleInterval = -1; }),
         "Ligne 2 : « Sample Interval » vaut « -1.000000e+00 », hors des valeurs possibles."},
        {with([](ScopeCsvChannel &c) { c.TriggerPoint = 1e7; }),
         "Ligne 3 : « Trigger Point » vaut « 1.000000000000e+07 », hors des valeurs possibles."},
        {replaced("Vertical Offset,0.000000e+00", "Vertical Offset,zero"),
         "Ligne 10 : « Vertical Offset » vaut « zero », qui n'est pas un nombre."},
        {replaced("Vertical Units,V", "Unités,V"), "Lignes 1 à 20 : le champ « Vertical Units » manque."},
        {replaced(",,,-0.004988000000,", ",,,-0.004988000000,abc\r\n,,,0,"),
         "Ligne 4 : « abc » n'est pas un nombre."},
        {replaced("-0.005000000000", "t0"), "Ligne 1 : « t0 » n'est pas un nombre."},
        {replaced(",,,-0.004984000000,", ",,,-0.004984000000\r\n"),
         "Ligne 5 : la ligne n'a pas de colonne de valeurs."},
        {replaced("Record Length", "Longueur"), "Ligne 1 : le champ « Record Length » manque."},
    };
    for (const auto &r : refusals) {
        TScopeCsv channel;
        QString why;
        EXPECT_FALSE(LoadScopeCsv(r.text, channel, &why)) << r.why;
        EXPECT_TRUE(why.startsWith(QString::fromUtf8(r.why))) << why.toStdString();
        EXPECT_EQ(ScopeCsvWellFormedOrReasonFault(r.text), "");
    }
}

TEST(ScopeCsvReader, KnowsItsFilesByTheirFirstCell)
{
    ScopeCsvChannel c;
    c.Values = ValuesOfCodes(Ramp(20), c.VerticalScale, 0);
    EXPECT_TRUE(LooksLikeScopeCsv(ScopeCsvText(c).toStdString()));
    EXPECT_TRUE(LooksLikeScopeCsv("\xEF\xBB\xBFRECORD LENGTH,2500"));
    for (const char *other : {"Record Length;2500", "t;U\n0;1\n", "Record", ""})
        EXPECT_FALSE(LooksLikeScopeCsv(other)) << other;
}

} // namespace

// SPICE raw files: those ngspice writes (tests/data/spice, with their
// netlists), those of the wide layout built by RawFile from its published
// description (no simulator of that layout runs here), and damaged ones.
#include "data/SpiceRaw.h"
#include "data/UData.h"
#include "support/RawFiles.h"
#include "support/SampleFiles.h"
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace
{

struct Loaded {
    bool ok = false;
    QString why;
    TDatas datas;
    TSpiceRawInfo info;

    QStringList Names() const { return Fields(&TData::Name); }
    QStringList Units() const { return Fields(&TData::Unit); }
    const std::vector<double> &Values(int i) const
    {
        return static_cast<const TDataAnalog *>(datas.Item(i))->Values;
    }

private:
    QStringList Fields(QString TData::*field) const
    {
        QStringList out;
        for (int i = 0; i < datas.Count(); ++i)
            out << datas.Item(i)->*field;
        return out;
    }
};

Loaded Load(const QByteArray &bytes, const TPartChooser &choose = {})
{
    Loaded l;
    l.ok = LoadSpiceRaw(std::string_view(bytes.constData(), std::size_t(bytes.size())), l.datas,
                        &l.why, &l.info, choose);
    return l;
}

Loaded LoadSample(const QString &name, const TPartChooser &choose = {})
{
    const QByteArray bytes = ReadSampleFile(SpiceSample(name));
    EXPECT_FALSE(bytes.isEmpty()) << name.toStdString();
    return Load(bytes, choose);
}

// Gaps (NaN) compare equal to gaps.
void ExpectSamples(const std::vector<double> &actual, const std::vector<double> &expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        if (std::isnan(expected[i]))
            EXPECT_TRUE(std::isnan(actual[i])) << "sample " << i;
        else
            EXPECT_DOUBLE_EQ(actual[i], expected[i]) << "sample " << i;
    }
}

constexpr double Nan = std::numeric_limits<double>::quiet_NaN();

TEST(SpiceRaw, NgspiceFilesGiveEveryVectorWithItsUnit)
{
    struct Case {
        const char *file;
        QStringList names, units;
    };
    const QStringList tran{"time", "v(in)", "v(out)", "i(v1)"};
    const QStringList dc{"v(v-sweep)", "v(out)", "i(v1)"};
    const QStringList ac{"frequency", "gain v(out)", "phase v(out)"};
    const Case cases[] = {
        {"rc-tran-ascii.raw", tran, {"s", "V", "V", "A"}},
        {"rc-tran-binary.raw", tran, {"s", "V", "V", "A"}},
        {"rc-dc-ascii.raw", dc, {"V", "V", "A"}},
        {"rc-dc-binary.raw", dc, {"V", "V", "A"}},
        {"rc-ac-ascii.raw", ac, {"Hz", "dB", "°"}},
        {"rc-ac-binary.raw", ac, {"Hz", "dB", "°"}},
        {"rlc-tran-binary.raw", {"time", "v(in)", "v(out)"}, {"s", "V", "V"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        const Loaded l = LoadSample(QString::fromLatin1(c.file));
        ASSERT_TRUE(l.ok) << l.why.toStdString();
        EXPECT_EQ(l.Names(), c.names);
        EXPECT_EQ(l.Units(), c.units);
        for (int i = 1; i < l.datas.Count(); ++i)
            EXPECT_EQ(l.datas.Item(i)->Count(), l.datas.Item(0)->Count());
        EXPECT_GT(l.datas.Item(0)->Count(), 10);
    }
}

TEST(SpiceRaw, TextAndBinaryFilesOfOneAnalysisAgree)
{
    for (const char *analysis : {"tran", "dc", "ac"}) {
        SCOPED_TRACE(analysis);
        const Loaded text = LoadSample(QStringLiteral("rc-%1-ascii.raw").arg(analysis));
        const Loaded binary = LoadSample(QStringLiteral("rc-%1-binary.raw").arg(analysis));
        ASSERT_TRUE(text.ok && binary.ok);
        ASSERT_EQ(text.datas.Count(), binary.datas.Count());
        for (int s = 0; s < text.datas.Count(); ++s) {
            ASSERT_EQ(text.Values(s).size(), binary.Values(s).size());
            for (std::size_t i = 0; i < text.Values(s).size(); ++i)
                EXPECT_NEAR(text.Values(s)[i], binary.Values(s)[i],
                            1e-12 * (1 + std::fabs(binary.Values(s)[i])));
            EXPECT_DOUBLE_EQ(text.datas.Item(s)->Max, binary.datas.Item(s)->Max);
        }
    }
}

// H(f) = 1 / (1 + j 2 pi f RC), RC = 100 µs.
TEST(SpiceRaw, AcGainAndPhaseFollowTheFilter)
{
    const Loaded l = LoadSample(QStringLiteral("rc-ac-binary.raw"));
    ASSERT_TRUE(l.ok) << l.why.toStdString();
    EXPECT_TRUE(l.info.Ac);
    EXPECT_EQ(l.info.GainPhase, (std::vector<TGainPhase>{{1, 2}}));
    const std::vector<double> &f = l.Values(0);
    for (std::size_t i = 0; i < f.size(); ++i) {
        const double wrc = 2 * std::numbers::pi * f[i] * 1e-4;
        EXPECT_NEAR(l.Values(1)[i], -10 * std::log10(1 + wrc * wrc), 1e-6);
        EXPECT_NEAR(l.Values(2)[i], -std::atan(wrc) * 180 / std::numbers::pi, 1e-6);
    }
    EXPECT_DOUBLE_EQ(f.front(), 10);
    EXPECT_NEAR(f.back(), 1e6, 1e-6);
}

// Three RC stages turn the phase by up to 270 degrees: it must go on below
// -180 instead of jumping back to +180.
TEST(SpiceRaw, PhaseGoesOnPastAHalfTurn)
{
    const Loaded l = LoadSample(QStringLiteral("ladder-ac-binary.raw"));
    ASSERT_TRUE(l.ok) << l.why.toStdString();
    EXPECT_EQ(l.Names(),
              QStringList({"frequency", "gain v(out)", "phase v(out)", "gain v(a)", "phase v(a)"}));
    EXPECT_EQ(l.info.GainPhase, (std::vector<TGainPhase>{{1, 2}, {3, 4}}));
    const std::vector<double> &phase = l.Values(2);
    for (std::size_t i = 1; i < phase.size(); ++i)
        EXPECT_LT(std::fabs(phase[i] - phase[i - 1]), 60) << "point " << i;
    EXPECT_NEAR(phase.front(), 0, 5);
    EXPECT_LT(phase.back(), -250);
    EXPECT_DOUBLE_EQ(l.datas.Item(2)->Min, phase.back());
}

TEST(SpiceRaw, AFileOfSeveralAnalysesProposesTheTransientOne)
{
    QStringList offered;
    int proposed = -1;
    const auto choose = [&](int answer) {
        return [&, answer](const QStringList &plots, int p) {
            offered = plots;
            proposed = p;
            return answer;
        };
    };
    const Loaded tran = LoadSample(QStringLiteral("analyses.raw"), choose(2));
    ASSERT_TRUE(tran.ok) << tran.why.toStdString();
    EXPECT_EQ(offered, QStringList({"AC Analysis : 9 points, 4 variables",
                                    "DC transfer characteristic : 6 points, 4 variables",
                                    "Transient Analysis : 85 points, 4 variables"}));
    EXPECT_EQ(proposed, 2);
    EXPECT_EQ(tran.info.Plotname, QStringLiteral("Transient Analysis"));
    EXPECT_EQ(tran.Names().front(), QStringLiteral("time"));

    const Loaded dc = LoadSample(QStringLiteral("analyses.raw"), choose(1));
    ASSERT_TRUE(dc.ok);
    ExpectSamples(dc.Values(0), {0, 1, 2, 3, 4, 5});
    EXPECT_FALSE(dc.info.Ac);

    const Loaded ac = LoadSample(QStringLiteral("analyses.raw"), choose(0));
    ASSERT_TRUE(ac.ok);
    EXPECT_TRUE(ac.info.Ac);
    EXPECT_EQ(ac.datas.Count(), 7);

    const Loaded cancelled = LoadSample(QStringLiteral("analyses.raw"), choose(-1));
    EXPECT_FALSE(cancelled.ok);
    EXPECT_EQ(cancelled.why, QString());
    EXPECT_EQ(cancelled.datas.Count(), 0);

    EXPECT_EQ(LoadSample(QStringLiteral("analyses.raw")).info.Plotname,
              QStringLiteral("Transient Analysis"));
}

QByteArray Doubles(std::initializer_list<double> values)
{
    QByteArray bytes;
    for (double v : values)
        AppendDouble(bytes, v);
    return bytes;
}

// Time as a double, negative on a compressed point; the other vectors as
// 32-bit floats.
TEST(SpiceRaw, WideTransientTakesTimeAsDoublesAndTheRestAsFloats)
{
    TRawLayout layout;
    layout.Variables = {"time time", "V(out) voltage", "I(R1) device_current", "Ix(u1:in) subckt_current"};
    layout.Points = 3;
    for (const auto &[t, v, i] : {std::tuple{0.0, 0.5f, 1e-3f}, {-1e-3, 1.25f, -2e-3f}, {2e-3, -3.0f, 0.0f}}) {
        AppendDouble(layout.Values, t);
        AppendFloat(layout.Values, v);
        AppendFloat(layout.Values, i);
        AppendFloat(layout.Values, 2 * i);
    }
    const Loaded l = Load(RawFile(layout));
    ASSERT_TRUE(l.ok) << l.why.toStdString();
    EXPECT_EQ(l.Names(), QStringList({"time", "V(out)", "I(R1)", "Ix(u1:in)"}));
    EXPECT_EQ(l.Units(), QStringList({"s", "V", "A", "A"}));
    ExpectSamples(l.Values(0), {0, 1e-3, 2e-3});
    ExpectSamples(l.Values(1), {0.5, 1.25, -3});
    ExpectSamples(l.Values(2), {double(1e-3f), double(-2e-3f), 0});
    EXPECT_DOUBLE_EQ(l.datas.Item(1)->Min, -3);
    EXPECT_DOUBLE_EQ(l.datas.Item(1)->Max, 1.25);
}

TEST(SpiceRaw, WideLayoutsGiveTheSameSeries)
{
    TRawLayout doubles;
    doubles.Flags = QStringLiteral("real forward double");
    doubles.Variables = {"time time", "V(out) voltage"};
    doubles.Points = 2;
    doubles.Values = Doubles({0, 1.5, 1e-3, 2.5});

    TRawLayout byVector = doubles;
    byVector.Flags = QStringLiteral("real forward double fastaccess");
    byVector.Values = Doubles({0, 1e-3, 1.5, 2.5});

    TRawLayout text = doubles;
    text.Flags = QStringLiteral("real forward");
    text.Binary = false;
    text.Values = Utf16(QStringLiteral("0\t0.000000000000000e+000\n\t1.5e+000\n\n"
                                       "1\t1.000000000000000e-003\n\t2.5e+000\n\n"));

    TRawLayout narrowText = text;
    narrowText.Wide = false;
    narrowText.Values = "0\t0.0\n\t1.5\n1\t1e-3\n\t2.5\n";

    for (const TRawLayout &layout : {doubles, byVector, text, narrowText}) {
        SCOPED_TRACE(layout.Flags.toStdString() + (layout.Binary ? " binary" : " text"));
        const Loaded l = Load(RawFile(layout));
        ASSERT_TRUE(l.ok) << l.why.toStdString();
        ExpectSamples(l.Values(0), {0, 1e-3});
        ExpectSamples(l.Values(1), {1.5, 2.5});
    }
}

TEST(SpiceRaw, WideComplexRunTakesFrequencyFromTheRealPart)
{
    TRawLayout layout;
    layout.Plotname = QStringLiteral("AC Analysis");
    layout.Flags = QStringLiteral("complex forward log");
    layout.Variables = {"frequency frequency", "V(out) voltage"};
    layout.Points = 4;
    // 1, 10j, -0.1, -j: the phase goes on from 180 to 270, not back to -90.
    layout.Values = Doubles({10, 0, 1, 0, 100, 0, 0, 10, 1000, 0, -0.1, 0, 1e4, 0, 0, -1});
    const Loaded l = Load(RawFile(layout));
    ASSERT_TRUE(l.ok) << l.why.toStdString();
    EXPECT_EQ(l.Units(), QStringList({"Hz", "dB", "°"}));
    ExpectSamples(l.Values(0), {10, 100, 1000, 1e4});
    ExpectSamples(l.Values(1), {0, 20, -20, 0});
    ExpectSamples(l.Values(2), {0, 90, 180, 270});
}

TEST(SpiceRaw, SteppedRunsOnOneGridBecomeOneCurveEach)
{
    TRawLayout layout;
    layout.Plotname = QStringLiteral("DC transfer characteristic");
    layout.Flags = QStringLiteral("real forward stepped");
    layout.Variables = {"V1 voltage", "V(out) voltage", "I(R1) device_current"};
    layout.Points = 6;
    for (int run = 0; run < 2; ++run) {
        for (int x = 0; x < 3; ++x) {
            AppendDouble(layout.Values, x);
            AppendFloat(layout.Values, float(x * (run + 1)));
            AppendFloat(layout.Values, float(-x));
        }
    }
    const Loaded l = Load(RawFile(layout));
    ASSERT_TRUE(l.ok) << l.why.toStdString();
    EXPECT_EQ(l.Names(), QStringList({"V1", "V(out) pas 1", "V(out) pas 2", "I(R1) pas 1", "I(R1) pas 2"}));
    ExpectSamples(l.Values(0), {0, 1, 2});
    ExpectSamples(l.Values(1), {0, 1, 2});
    ExpectSamples(l.Values(2), {0, 2, 4});
    ExpectSamples(l.Values(4), {0, -1, -2});
}

// Each run's values at the others' times are the straight lines its curve
// draws; beyond its own last time it has none. A time written twice (a
// step in the waveform) keeps both values.
TEST(SpiceRaw, SteppedRunsOnDifferentGridsShareTheUnionOfTheirTimes)
{
    TRawLayout layout;
    layout.Flags = QStringLiteral("real forward stepped");
    layout.Variables = {"time time", "V(out) voltage"};
    const std::vector<std::pair<double, float>> points{
        {0, 0}, {1, 10}, {1, 30}, {2, 40}, {0, 5}, {-0.5, 6}, {-1.5, 7}};
    layout.Points = qint64(points.size());
    for (const auto &[t, v] : points) {
        AppendDouble(layout.Values, t);
        AppendFloat(layout.Values, v);
    }
    const Loaded l = Load(RawFile(layout));
    ASSERT_TRUE(l.ok) << l.why.toStdString();
    ExpectSamples(l.Values(0), {0, 0.5, 1, 1, 1.5, 2});
    ExpectSamples(l.Values(1), {0, 5, 10, 30, 35, 40});
    ExpectSamples(l.Values(2), {5, 6, 6.5, 6.5, 7, Nan});
}

TEST(SpiceRaw, SamplesThatAreNotNumbersAreGaps)
{
    QByteArray text = ReadSampleFile(SpiceSample(QStringLiteral("rc-dc-ascii.raw")));
    // The second point's v(out) and i(v1).
    const qsizetype second = text.indexOf("\n 1\t");
    ASSERT_GT(second, 0);
    const qsizetype vout = text.indexOf("\n\t", second + 4) + 2;
    const qsizetype end = text.indexOf('\n', text.indexOf('\n', vout) + 1);
    text.replace(vout, end - vout, "nan\n\t-inf");
    const Loaded l = Load(text);
    ASSERT_TRUE(l.ok) << l.why.toStdString();
    EXPECT_TRUE(std::isnan(l.Values(1)[1]));
    EXPECT_TRUE(std::isnan(l.Values(2)[1]));
    EXPECT_DOUBLE_EQ(l.datas.Item(1)->Min, 0);
    EXPECT_DOUBLE_EQ(l.datas.Item(1)->Max, 5);

    TRawLayout binary;
    binary.Flags = QStringLiteral("real forward double");
    binary.Variables = {"time time", "V(out) voltage"};
    binary.Points = 3;
    binary.Values = Doubles({0, 1, 1, std::numeric_limits<double>::infinity(), 2, -1});
    const Loaded b = Load(RawFile(binary));
    ASSERT_TRUE(b.ok);
    ExpectSamples(b.Values(1), {1, Nan, -1});
    EXPECT_DOUBLE_EQ(b.datas.Item(1)->Max, 1);
}

QByteArray Replaced(QByteArray bytes, const QByteArray &from, const QByteArray &to)
{
    const qsizetype at = bytes.indexOf(from);
    EXPECT_GE(at, 0) << from.toStdString();
    return bytes.replace(at, from.size(), to);
}

// Damaged files: a clear reason, naming the line or the byte, and nothing kept.
TEST(SpiceRaw, DamagedFilesAreRefusedWithTheirPlace)
{
    const QByteArray binary = ReadSampleFile(SpiceSample(QStringLiteral("rc-tran-binary.raw")));
    const QByteArray text = ReadSampleFile(SpiceSample(QStringLiteral("rc-dc-ascii.raw")));
    const QByteArray ac = ReadSampleFile(SpiceSample(QStringLiteral("rc-ac-ascii.raw")));
    const QByteArray several = ReadSampleFile(SpiceSample(QStringLiteral("analyses.raw")));
    const qsizetype dataStart = binary.indexOf("Binary:\n") + 8;
    // The second run's sweep goes down where the first one's goes up.
    TRawLayout falling;
    falling.Plotname = QStringLiteral("DC transfer characteristic");
    falling.Flags = QStringLiteral("real forward stepped double");
    falling.Variables = {"V1 voltage", "V(out) voltage"};
    falling.Points = 4;
    falling.Values = Doubles({0, 0, 2, 1, 0, 0, -1, 1});

    // Ten thousand runs of two points each, every run on its own grid: the
    // union would hold ten thousand times the values read.
    TRawLayout scattered = falling;
    scattered.Values.clear();
    scattered.Points = 20000;
    for (int run = 0; run < 10000; ++run)
        scattered.Values += Doubles({0, 0, 1.0 + run, 1});

    struct Case {
        const char *what;
        QByteArray bytes;
        QString message;
    };
    const Case cases[] = {
        {"block cut short", binary.left(binary.size() - 5),
         QStringLiteral("Octet %1 : « Transient Analysis » annonce 85 points de 32 octets, mais "
                        "le fichier n'a que %2 octets de valeurs.")
             .arg(dataStart)
             .arg(binary.size() - 5 - dataStart)},
        {"2^40 points", Replaced(binary, "No. Points: 85", "No. Points: 1099511627776"),
         QStringLiteral("annonce 1099511627776 points")},
        {"2^31 variables", Replaced(binary, "No. Variables: 4", "No. Variables: 2147483648"),
         QStringLiteral("Ligne 5 : 2147483648 variables, plus que les 65536 possibles.")},
        {"a variable short", Replaced(binary, "No. Variables: 4", "No. Variables: 5"),
         QStringLiteral("Ligne 12 : l'en-tête annonce 5 variables et en décrit 4.")},
        {"no count", Replaced(binary, "No. Variables: 4\n", ""),
         QStringLiteral("Ligne 11 : l'en-tête ne donne pas le nombre de variables.")},
        {"count not a number", Replaced(binary, "No. Points: 85", "No. Points: -3"),
         QStringLiteral("Ligne 6 : nombre de points illisible : « -3 ».")},
        {"header cut", binary.left(dataStart - 12),
         QStringLiteral("Ligne 11 : le fichier s'arrête avant la fin de l'en-tête.")},
        {"text not a number", Replaced(text, "\t5.000000000000000e-01\n\t5.0", "\t5.000000000000000e-01\n\tabc"),
         QStringLiteral("Ligne 17 : « abc00000000000000e-01 » n'est pas un nombre.")},
        {"too many text points", Replaced(text, "No. Points: 11", "No. Points: 9999"),
         QStringLiteral("Ligne 12 : « DC transfer characteristic » annonce 9999 points de 3 "
                        "variables, plus que le texte qui suit ne peut en contenir.")},
        {"complex without its comma", Replaced(ac, "1.000000000000000e+01,0", "1.000000000000000e+01 0"),
         QStringLiteral("partie réelle,partie imaginaire")},
        {"later header", Replaced(several, "Plotname: DC transfer characteristic\nFlags: real\n",
                                  "Plotname: DC transfer characteristic\nFlags real\n"),
         QStringLiteral("Ligne 4 de l'en-tête qui commence à l'octet")},
        {"runs that go back", RawFile(falling), QStringLiteral("ne croît pas")},
        {"runs on scattered grids", RawFile(scattered),
         QStringLiteral("Les 10000 pas réunis sur un même axe feraient plus de 16777216 valeurs.")},
        {"empty", QByteArray(), QStringLiteral("Ligne 1 : le fichier s'arrête avant la fin de l'en-tête.")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Loaded l = Load(c.bytes);
        EXPECT_FALSE(l.ok);
        EXPECT_EQ(l.datas.Count(), 0);
        EXPECT_TRUE(l.why.contains(c.message)) << l.why.toStdString();
    }
}

// A run stopped before its writer put the count in the header: the binary
// block holds as many whole points as its size allows.
TEST(SpiceRaw, ABinaryBlockWithoutItsCountHoldsItsWholePoints)
{
    const QByteArray binary = ReadSampleFile(SpiceSample(QStringLiteral("rc-tran-binary.raw")));
    const Loaded whole = Load(binary);
    QByteArray stopped = Replaced(binary, "No. Points: 85", "No. Points: 0 ");
    stopped.chop(32 * 10 + 5);
    const Loaded l = Load(stopped);
    ASSERT_TRUE(l.ok) << l.why.toStdString();
    ASSERT_EQ(l.datas.Item(0)->Count(), 74);
    for (int s = 0; s < l.datas.Count(); ++s)
        EXPECT_EQ(l.Values(s), std::vector<double>(whole.Values(s).begin(), whole.Values(s).begin() + 74));

    const QByteArray empty = Replaced(binary.left(binary.indexOf("Binary:\n") + 8), "No. Points: 85", "No. Points: 0");
    EXPECT_TRUE(Load(empty).why.endsWith(QStringLiteral("« Transient Analysis » n'a aucun point.")));
}

TEST(SpiceRaw, FilesAreReadFromDiskInPieces)
{
    TDatas datas;
    QString why;
    TSpiceRawInfo info;
    ASSERT_TRUE(LoadSpiceRawFile(SpiceSample(QStringLiteral("analyses.raw")), datas, &why, &info));
    EXPECT_EQ(info.Plotname, QStringLiteral("Transient Analysis"));
    EXPECT_EQ(datas.Item(0)->Count(), 85);

    QTemporaryDir dir;
    EXPECT_FALSE(LoadSpiceRawFile(dir.filePath(QStringLiteral("absent.raw")), datas, &why));
    EXPECT_TRUE(why.startsWith(QStringLiteral("Impossible de lire le fichier"))) << why.toStdString();
    EXPECT_EQ(datas.Count(), 0);
}

} // namespace

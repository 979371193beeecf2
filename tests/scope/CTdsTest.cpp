// The link against the simulated instrument over a real pseudo-terminal.
#include "scope/CTds.h"
#include "support/SimulatedScope.h"
#include <QTimer>
#include <gtest/gtest.h>

namespace
{

// A short wait only where the instrument stays silent, so that a loaded
// machine does not make a slow reply look like silence.
const TTDSTimeouts silentId{300, 5000};
const TTDSTimeouts silentCurve{5000, 300};

struct Capture {
    std::unique_ptr<TdsSimulator> simulator;
    std::unique_ptr<TTDS> link;
    bool connected = false;
    bool transferred = false;
};

Capture CaptureFrom(const TdsSimOptions &options, TTDSTimeouts timeouts = {5000, 5000})
{
    Capture c;
    c.simulator = StartSimulator(options);
    c.link = std::make_unique<TTDS>(nullptr, timeouts);
    c.link->SetPort(PortOf(*c.simulator));
    c.connected = c.link->Connect();
    if (c.connected)
        c.transferred = c.link->Transfer();
    c.link->ClosePort();
    return c;
}

QByteArray DataOf(const TChannelData &r)
{
    return QByteArray(reinterpret_cast<const char *>(r.Data.data()), r.NrPt);
}

QByteArray Expected(char source)
{
    return QByteArray::fromStdString(TdsInstrument::CurveCodes(source, 2500));
}

} // namespace

TEST(TTDS, ReadsEveryDisplayedSourceOfTheModel)
{
    struct Case {
        const char *model;
        const char *displayed;
        int sources; // "DAT:SOU" commands
    };
    for (const Case &k : {Case{"TDS 210", "1B", 5}, Case{"TDS 224", "13MB", 7}}) {
        TdsSimOptions o;
        o.Model = k.model;
        o.Displayed = k.displayed;
        const Capture c = CaptureFrom(o);
        ASSERT_TRUE(c.transferred) << k.model << c.link->Failure.Text.toStdString();
        const QStringList commands = CommandsOf(*c.simulator);
        EXPECT_EQ(commands.filter(QStringLiteral("DAT:SOU")).size(), k.sources) << k.model;
        EXPECT_EQ(commands.count(QStringLiteral("CURV?")), int(std::strlen(k.displayed)));
        EXPECT_TRUE(c.link->Ch1.Present && c.link->RefB.Present && !c.link->Ch2.Present);
        EXPECT_EQ(DataOf(c.link->Ch1), Expected('1'));
        EXPECT_EQ(DataOf(c.link->RefB), Expected('B')); // every byte value
        EXPECT_EQ(c.link->Ch3.Present, c.link->ChannelCount() == 4);
        EXPECT_EQ(c.link->MathWave.Present, c.link->ChannelCount() == 4);
        if (c.link->MathWave.Present) {
            EXPECT_EQ(c.link->MathWave.Name, QStringLiteral("CH1+CH2"));
        }
        EXPECT_EQ(std::pair(c.link->Progress, c.link->ProgressMax), std::pair(0, 0));
    }
}

TEST(TTDS, AcquisitionIsFrozenOnlyWhenRunningAndDisplayFormatRead)
{
    for (const bool stopped : {false, true}) {
        TdsSimOptions o;
        o.Stopped = stopped;
        o.XY = stopped;
        const Capture c = CaptureFrom(o);
        ASSERT_TRUE(c.transferred);
        if (!stopped) {
            EXPECT_TRUE(WaitForCommand(*c.simulator, QStringLiteral("ACQ:STATE RUN")));
        }
        const QStringList commands = CommandsOf(*c.simulator);
        EXPECT_EQ(std::tuple(commands.contains(QStringLiteral("ACQ:STATE STOP")),
                             commands.contains(QStringLiteral("ACQ:STATE RUN")), c.link->XYMode),
                  std::tuple(!stopped, !stopped, stopped));
    }
}

TEST(TTDS, FailuresAreExplainedInFrench)
{
    struct Case {
        TdsFault fault;
        int points;
        bool connects;
        const char *text;
    };
    const Case cases[] = {
        {TdsFault::Garbage, 2500, false, "L'oscilloscope est incompréhensible.\n\rVérifier la"},
        {TdsFault::BadField, 2500, true, "'abc' n'est pas une valeur en virgule flottante"},
        {TdsFault::Endless, 2500, true, "ne se termine pas"},
        {TdsFault::LongBlock, 2500, true, "dépasse 2500 points"},
        {TdsFault::HangOnCurve, 2500, true, "ne répond plus sur la liaison série /dev/"},
        {TdsFault::None, 2501, true, "2501 points"},
    };
    for (const Case &k : cases) {
        TdsSimOptions o;
        o.Fault = k.fault;
        o.Points = k.points;
        const TTDSTimeouts timeouts =
            k.fault == TdsFault::HangOnCurve ? silentCurve : TTDSTimeouts{};
        const Capture c = CaptureFrom(o, timeouts);
        EXPECT_EQ(std::tuple(c.connected, c.transferred, c.link->Failure.Kind),
                  std::tuple(k.connects, false, TTDSFailure::Box::Error))
            << k.text;
        EXPECT_TRUE(c.link->Failure.Text.contains(QString::fromUtf8(k.text)))
            << c.link->Failure.Text.toStdString();
    }
}

TEST(TTDS, NoReplyNamesThePortAndAnUnopenablePortSaysSo)
{
    TdsSimOptions o;
    o.Fault = TdsFault::Silent;
    const Capture c = CaptureFrom(o, silentId);
    EXPECT_FALSE(c.connected);
    EXPECT_EQ(c.link->Failure.Caption, QStringLiteral("Erreur"));
    EXPECT_TRUE(c.link->Failure.Text.startsWith(
        QStringLiteral("L'oscilloscope ne répond pas.\n\rVérifier que :")));
    EXPECT_TRUE(c.link->Failure.Text.contains(
        QStringLiteral("  - qu'il est relié au PC sur la liaison série ") + PortOf(*c.simulator) +
        QStringLiteral("\n\r\n\rVérifier")));

    TTDS link;
    link.SetPort(QStringLiteral("/nonexistent/ttyUSB9"));
    EXPECT_FALSE(link.Connect());
    EXPECT_EQ(link.Failure.Text, QStringLiteral("Impossible d'ouvrir le port Série : "
                                                "/nonexistent/ttyUSB9\n\rRelancer l'application"));
}

// The instrument's side of the line closes half way through a curve: the
// wait ends at once, not at the silence limit, and says that the line of
// that port was lost.
TEST(TTDS, ALostLineEndsTheWaitAtOnceAndNamesThePort)
{
    TdsSimOptions o;
    o.Fault = TdsFault::Unplugged;
    const Capture c = CaptureFrom(o, {5000, 30000});
    EXPECT_EQ(std::tuple(c.connected, c.transferred, c.link->Failure.Kind),
              std::tuple(true, false, TTDSFailure::Box::Error));
    EXPECT_EQ(c.link->Failure.Text,
              QStringLiteral("La liaison série %1 a été perdue : l'oscilloscope est débranché "
                             "ou éteint.")
                  .arg(PortOf(*c.simulator)));
}

TEST(TTDS, CancelEndsTheWaitAtOnceAndRestartsTheAcquisition)
{
    TdsSimOptions o;
    o.Displayed = std::string("2"); // a literal here trips a false GCC 12 warning
    o.Fault = TdsFault::HangOnCurve;
    auto simulator = StartSimulator(o);
    TTDS link(nullptr, {2000, 60000});
    link.SetPort(PortOf(*simulator));
    ASSERT_TRUE(link.Connect());
    int expected = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (CommandsOf(*simulator).contains(QStringLiteral("CURV?")) && !link.Cancelled) {
            expected = link.ProgressMax;
            link.Cancel();
        }
    });
    poll.start(5);
    EXPECT_FALSE(link.Transfer());
    EXPECT_EQ(link.Failure.Kind, TTDSFailure::Box::None);
    // Five sources of 2500 points were expected; hidden CH1 took one off.
    EXPECT_TRUE(expected > 4 * 2500 && expected < 4 * 2500 + 400) << expected;
    EXPECT_TRUE(WaitForCommand(*simulator, QStringLiteral("ACQ:STATE RUN")));
    link.ClosePort();
    const QStringList commands = CommandsOf(*simulator);
    EXPECT_EQ(commands.mid(commands.indexOf(QStringLiteral("CURV?"))),
              (QStringList{QStringLiteral("CURV?"), QStringLiteral("ACQ:STATE RUN")}));
}

#include "serial/CPort.h"
#include "support/SimulatedScope.h"
#include <QSignalSpy>
#include <gtest/gtest.h>

TEST(TComPort, NamesAreNormalisedOnlyWhenTheyAreComNames)
{
    const char *cases[][2] = {
        {"com3", "COM3"},          {"COM17", "COM1"},     {"5", "COM5"},
        {"COMx", "COM1"},          {"/dev/pts/7", "/dev/pts/7"}, {"ttyACM0", "ttyACM0"},
    };
    for (const auto &[name, port] : cases)
        EXPECT_EQ(TComPort::NormalisePort(QString::fromLatin1(name)), QString::fromLatin1(port)) << name;
    EXPECT_EQ(TComPort::DevicePath(QStringLiteral("COM2")), QStringLiteral("/dev/ttyS1"));
}

TEST(TComPort, TalksToAPseudoTerminalAndReportsEveryArrival)
{
    auto simulator = StartSimulator({});
    TComPort port;
    QSignalSpy arrivals(&port, &TComPort::OnRxChar);
    port.SetPort(PortOf(*simulator));
    port.Open();
    port.Open(); // already open: nothing happens
    EXPECT_EQ(port.WriteText("RS232:TRAN:TERM CR\rACQ:STATE?\r"), 30);
    ASSERT_TRUE(QTest::qWaitFor([&] { return port.QueuedCount() >= 2; }, 5000));
    EXPECT_EQ(port.ReadBytes(100), QByteArray("1\r"));
    EXPECT_EQ(port.ReadBytes(100), QByteArray());
    ASSERT_FALSE(arrivals.isEmpty());
    for (const QList<QVariant> &args : arrivals)
        EXPECT_GE(args.at(0).toInt(), 1);

    port.SetPort(PortOf(*simulator)); // the same name: stays open
    EXPECT_TRUE(port.Connected());
    EXPECT_FALSE(port.LineLost());
    port.Close();
    EXPECT_FALSE(port.Connected());
}

// The far end closes after half a reply: the loss is reported once, the port
// closes instead of signalling the hang-up for ever, and writing fails.
TEST(TComPort, ALineThatGoesAwayIsReportedOnceAndCloses)
{
    TdsSimOptions o;
    o.Fault = TdsFault::Unplugged;
    auto simulator = StartSimulator(o);
    TComPort port;
    QSignalSpy lost(&port, &TComPort::OnLineLost);
    port.SetPort(PortOf(*simulator));
    port.Open();
    port.WriteText("CURV?\r");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !port.Connected(); }, 5000));
    EXPECT_TRUE(port.LineLost());
    EXPECT_EQ(lost.size(), 1);
    EXPECT_THROW(port.WriteText("ID?\r"), EComPort);
}

TEST(TComPort, AMissingDeviceRaisesCodeOne)
{
    TComPort port;
    port.SetPort(QStringLiteral("/nonexistent/ttyUSB9"));
    try {
        port.Open();
        ADD_FAILURE() << "opened";
    } catch (const EComPort &e) {
        EXPECT_EQ(e.ErrorCode(), EComPort::OpenFailed);
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("Unable to open com port (win error code: ")));
    }
    EXPECT_FALSE(port.Connected());
}

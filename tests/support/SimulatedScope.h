#pragma once
// A simulated oscilloscope serving on its own thread at the far end of a
// pseudo-terminal, for tests that talk to it through a real serial device.
#include "TdsSimulator.h"
#include <gtest/gtest.h>
#include <QString>
#include <QStringList>
#include <QTest>
#include <memory>

inline std::unique_ptr<TdsSimulator> StartSimulator(const TdsSimOptions &options)
{
    auto simulator = std::make_unique<TdsSimulator>(options);
    EXPECT_TRUE(simulator->Open()) << simulator->Error();
    simulator->Start();
    return simulator;
}

inline QString PortOf(const TdsSimulator &simulator)
{
    return QString::fromStdString(simulator.DevicePath());
}

inline QStringList CommandsOf(const TdsSimulator &simulator)
{
    QStringList commands;
    for (const std::string &c : simulator.Commands())
        commands << QString::fromStdString(c);
    return commands;
}

// Waits a bounded time for the simulator to have received a command.
inline bool WaitForCommand(const TdsSimulator &simulator, const QString &command)
{
    return QTest::qWaitFor([&] { return CommandsOf(simulator).contains(command); }, 5000);
}

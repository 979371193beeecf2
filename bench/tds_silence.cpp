// links: scolivet_scope scolivet_tdssim
// What waiting on an instrument that stopped answering costs. The simulated
// instrument answers up to its first curve request, then stays silent with
// its line connected (hang-on-curve: the link waits out its silence limit) or
// closes its side of the line half way through the curve (unplugged: the
// link should end at once). Prints the wall and processor seconds of the
// capture and the failure it reports.
//   tds_silence [hang-on-curve|unplugged] [SILENCE_MS]   (5000 by default)
#include "TdsSimulator.h"
#include "scope/CTds.h"
#include <QCoreApplication>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <string>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const bool unplugged = argc > 1 && std::string(argv[1]) == "unplugged";
    const int silenceMs = argc > 2 ? std::stoi(argv[2]) : 5000;
    TdsSimOptions options;
    options.Fault = unplugged ? TdsFault::Unplugged : TdsFault::HangOnCurve;
    TdsSimulator simulator(options);
    if (!simulator.Open()) {
        std::fprintf(stderr, "%s\n", simulator.Error().c_str());
        return 1;
    }
    simulator.Start();
    TTDS link(nullptr, {5000, silenceMs});
    link.SetPort(QString::fromStdString(simulator.DevicePath()));
    const bool connected = link.Connect();
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    const bool transferred = connected && link.Transfer();
    const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    link.ClosePort();
    std::printf("wall_s=%.3f cpu_s=%.3f transferred=%d\n%s\n", wall.count(), cpu, int(transferred),
                link.Failure.Text.toUtf8().constData());
    return connected && !transferred ? 0 : 1;
}

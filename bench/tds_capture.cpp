// links: scolivet_scope scolivet_tdssim
// A whole oscilloscope capture (identification, two displayed channels of
// 2500 points, the hidden sources' preambles) from the simulated instrument
// pacing both directions at 9600 Bd, 10 bits a byte. Reports the capture's
// time against the wire time of the bytes exchanged: ratio=1 means the link
// adds nothing to the line's own time.
//   tds_capture [--benchmark_repetitions=N]
#include "BenchMain.h"
#include "TdsSimulator.h"
#include "scope/CTds.h"
#include <QCoreApplication>
#include <chrono>

namespace
{

void Capture(benchmark::State &state)
{
    double wireSeconds = 0.0;
    for (auto _ : state) {
        TdsSimOptions options;
        options.Baud = 9600;
        TdsSimulator simulator(options);
        if (!simulator.Open()) {
            state.SkipWithError(simulator.Error().c_str());
            return;
        }
        simulator.Start();
        TTDS link;
        link.SetPort(QString::fromStdString(simulator.DevicePath()));
        const auto start = std::chrono::steady_clock::now();
        const bool ok = link.Connect() && link.Transfer();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        link.ClosePort();
        if (!ok) {
            state.SkipWithError(link.Failure.Text.toUtf8().constData());
            return;
        }
        state.SetIterationTime(elapsed.count());
        wireSeconds = double(simulator.BytesIn() + simulator.BytesOut()) * 10.0 / 9600.0;
        state.counters["wire_s"] = wireSeconds;
        state.counters["ratio"] = elapsed.count() / wireSeconds;
    }
}

} // namespace

BENCHMARK(Capture)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

int main(int argc, char **argv)
{
    return RunBenchmarks<QCoreApplication>(argc, argv);
}

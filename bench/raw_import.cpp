// links: scolivet_data
// Reads SPICE raw files with the application's reader and prints what it
// holds: one line per series (index, name, unit, count, Min, Max, sum of the
// values that are not gaps), then points=P series=N bytes=B seconds=S
// MBps=X, where S times the reading alone. A file that cannot be read prints
// the reason and ends the program with status 1.
//   raw_import FILE...
#include "data/SpiceRaw.h"
#include "data/UData.h"
#include <QFileInfo>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace
{

bool Report(const QString &fileName)
{
    TDatas datas;
    QString why;
    const auto start = std::chrono::steady_clock::now();
    const bool ok = LoadSpiceRawFile(fileName, datas, &why);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!ok) {
        std::printf("failed: %s\n", why.toUtf8().constData());
        return false;
    }
    for (int i = 0; i < datas.Count(); ++i) {
        const auto &s = static_cast<const TDataAnalog &>(*datas.Item(i));
        double sum = 0.0;
        for (const double v : s.Values)
            sum += std::isnan(v) ? 0.0 : v;
        std::printf("%d\t%s\t%s\t%d\t%.17g\t%.17g\t%.17g\n", i, s.Name.toUtf8().constData(),
                    s.Unit.toUtf8().constData(), s.Count(), s.Min, s.Max, sum);
    }
    const long long bytes = QFileInfo(fileName).size();
    const double seconds = elapsed.count();
    std::printf("points=%d series=%d bytes=%lld seconds=%.6f MBps=%.1f\n",
                datas.Count() > 0 ? datas.Item(0)->Count() : 0, datas.Count(), bytes, seconds,
                seconds > 0 ? double(bytes) / 1e6 / seconds : 0.0);
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    bool ok = argc > 1;
    for (int i = 1; i < argc; ++i)
        ok = Report(QString::fromLocal8Bit(argv[i])) && ok;
    return ok ? 0 : 1;
}

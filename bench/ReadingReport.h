#pragma once
// What the reading benchmarks print of each file named on the command line:
// one line per series (index, name, unit, count, Min, Max, sum of the values
// other than gaps), then COUNT=C series=N bytes=B seconds=S MBps=X, where C
// is the first series' length and S times the reading alone. A file that
// cannot be read prints "failed" and its reason and ends the program with
// status 1.
#include "data/UData.h"
#include <QFileInfo>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>

using TFileReading = std::function<bool(const QString &fileName, TDatas &datas, QString *why)>;

inline void PrintSeries(int index, const TData &s)
{
    double sum = 0.0;
    for (int i = 0; i < s.Count(); ++i) {
        if (const double v = s.GetValue(i); !std::isnan(v))
            sum += v;
    }
    std::printf("%d\t%s\t%s\t%d\t%.17g\t%.17g\t%.17g\n", index, s.Name.toUtf8().constData(),
                s.Unit.toUtf8().constData(), s.Count(), s.Min, s.Max, sum);
}

inline bool ReportReading(const QString &fileName, const char *countName, const TFileReading &read)
{
    TDatas datas;
    QString why;
    const auto start = std::chrono::steady_clock::now();
    const bool ok = read(fileName, datas, &why);
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!ok) {
        std::printf("failed: %s\n", why.toUtf8().constData());
        return false;
    }
    for (int i = 0; i < datas.Count(); ++i)
        PrintSeries(i, *datas.Item(i));
    const long long bytes = QFileInfo(fileName).size();
    const double seconds = elapsed.count();
    std::printf("%s=%d series=%d bytes=%lld seconds=%.6f MBps=%.1f\n", countName,
                datas.Count() > 0 ? datas.Item(0)->Count() : 0, datas.Count(), bytes, seconds,
                seconds > 0 ? double(bytes) / 1e6 / seconds : 0.0);
    return true;
}

// The whole program: `name FILE...`.
inline int RunReadingReport(int argc, char **argv, const char *name, const char *countName,
                            const TFileReading &read)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FILE...\n", name);
        return 2;
    }
    for (int i = 1; i < argc; ++i) {
        if (!ReportReading(QString::fromLocal8Bit(argv[i]), countName, read))
            return 1;
    }
    return 0;
}

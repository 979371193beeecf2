#include "fuzz/FuzzTargets.h"
#include "data/SpiceRaw.h"
#include "data/TDatas.h"
#include "support/ReaderChecks.h"

std::string SpiceRawFuzz(std::string_view bytes)
{
    TDatas datas;
    QString why;
    // The last plot of a file of several, so that reading follows the list.
    const auto last = [](const QStringList &plots, int) { return int(plots.size()) - 1; };
    const bool read = LoadSpiceRaw(bytes, datas, &why, nullptr, last);
    if (!read && why.isEmpty())
        return "a refused file gave no reason";
    return GappedSeriesFault(datas, read, why);
}

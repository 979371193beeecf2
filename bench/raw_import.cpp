// links: scolivet_data
// Reads SPICE raw files with the application's reader and prints what it
// holds, as ReadingReport.h says, with points=P as the count.
//   raw_import FILE...
#include "ReadingReport.h"
#include "data/SpiceRaw.h"

int main(int argc, char **argv)
{
    return RunReadingReport(argc, argv, "raw_import", "points",
                            [](const QString &fileName, TDatas &datas, QString *why) {
                                return LoadSpiceRawFile(fileName, datas, why);
                            });
}

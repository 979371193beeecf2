// links: scolivet_data
// Reads tables of numbers with the application's reader and prints what it
// holds, as ReadingReport.h says, with rows=R as the count.
//   table_import FILE...
#include "ReadingReport.h"
#include "data/TableReader.h"

int main(int argc, char **argv)
{
    return RunReadingReport(argc, argv, "table_import", "rows",
                            [](const QString &fileName, TDatas &datas, QString *why) {
                                return LoadTableFile(fileName, datas, why);
                            });
}

// Which reader a file goes to: its first bytes first, its name last.
#include "data/FileKind.h"
#include "support/RawFiles.h"
#include "support/SampleFiles.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

TEST(FileKind, ContentDecidesBeforeTheName)
{
    struct Case {
        QByteArray head;
        const char *name;
        TFileKind kind;
    };
    const Case cases[] = {
        {"Scolivet Version 1.01\r\n[Datas]\r\n", "mesure.raw", TFileKind::Document},
        {"Title: rc\nDate: x\n", "rc.dat", TFileKind::SpiceRaw},
        {"Plotname: Transient Analysis\n", "sans-nom", TFileKind::SpiceRaw},
        {Utf16(QStringLiteral("Title: * filtre.asc\n")), "filtre.raw", TFileKind::SpiceRaw},
        {"\xFF\xFE" + Utf16(QStringLiteral("Title: x\n")), "x.txt", TFileKind::SpiceRaw},
        {"\"Time\",\"V(OUT)\"\r\n0,1\r\n", "rc.dat", TFileKind::IsisExport},
        {"\xEF\xBB\xBF\"Time\",\"V(OUT)\"\r\n", "rc.txt", TFileKind::IsisExport},
        {"\"t\",\"D0\",\"BUS\"\n 0.5,\"SHI\",\"1A\"\n1e-3,\"PLO\",\"<VOID>\"", "x.dat",
         TFileKind::IsisExport},
        // Quoted names over lines the export reader would refuse: a table.
        {"\"time\",\"v(out)\"\n0\t1\n1\t2\n", "rc.dat", TFileKind::Table},
        {"\"time\";\"v(out)\"\r\n0;1,5\r\n", "rc.dat", TFileKind::Table},
        {"\"time\",\"v(out)\"\n0,1\n\n1,2\n", "rc.dat", TFileKind::Table},
        {"\"time\",\"v(out)\"\n0,\"1.5\"\n", "rc.dat", TFileKind::Table},
        {"\"time\",\"v(out)\"\n0,1\n1,", "rc.dat", TFileKind::Table},
        // Nobody else claims it: the export reader says what is wrong.
        {"\"time\",\"v(out)\"\nzéro,un\n", "rc.dat", TFileKind::IsisExport},
        {"\xFF\xFE" + Utf16(QStringLiteral("Temps (s)\tU (V)\r\n0\t1,5\r\n")), "u.txt",
         TFileKind::Table},
        {"\xFE\xFF" + QByteArray("\0t\0\t\0U\0\n\0" "0\0\t\0" "1", 15), "u.txt", TFileKind::Table},
        {"Tension (V)\r\n1,5\r\n2\r\n", "u.csv", TFileKind::Table},
        {"Time,V(OUT)\r\n0,1\r\n", "rc.dat", TFileKind::Table},
        {"\"t\",\"v\"\r\n0,1\r\n", "mesure.csv", TFileKind::Table},
        {"\"t\",\"v\"\r\n0,1\r\n", "sans-nom", TFileKind::IsisExport},
        {"Temps;Tension\r\n0;1,5\r\n", "mesure.dat", TFileKind::Table},
        {"Record Length,2.500000e+03,,-0.005,0.1,\r\n", "F0001CH1.CSV", TFileKind::ScopeCsv},
        {"Bonjour.\n", "mesure.csv", TFileKind::Unknown},
        {"", "vide.raw", TFileKind::Unknown},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(SniffFileKind(std::string_view(c.head.constData(), std::size_t(c.head.size())),
                                QString::fromLatin1(c.name)),
                  c.kind);
    }
}

// Only whole lines count: the first bytes of a longer file may end
// anywhere in a line, here at every place of one.
TEST(FileKind, AnExportLongerThanTheSniffedBytesIsJudgedOnItsWholeLines)
{
    const QByteArray line = "0.000125,1.25e-3\r\n";
    for (qsizetype shift = 0; shift < line.size(); ++shift) {
        QByteArray head = "\"Time\",\"" + QByteArray(shift + 1, 'V') + "\"\r\n";
        while (head.size() < qsizetype(SniffBytes))
            head += line;
        EXPECT_EQ(SniffFileKind(std::string_view(head.constData(), SniffBytes),
                                QStringLiteral("rc.dat")),
                  TFileKind::IsisExport)
            << shift;
    }
}

TEST(FileKind, FilesAreSniffedFromTheirFirstBytes)
{
    QTemporaryDir dir;
    EXPECT_EQ(FileKindOf(SpiceSample(QStringLiteral("analyses.raw"))), TFileKind::SpiceRaw);
    QString why;
    EXPECT_EQ(FileKindOf(dir.filePath(QStringLiteral("absent.raw")), &why), TFileKind::Unknown);
    EXPECT_TRUE(why.startsWith(QStringLiteral("Impossible de lire le fichier"))) << why.toStdString();
    EXPECT_EQ(FileKindOf(dir.path(), &why), TFileKind::Unknown);
    EXPECT_EQ(why, QStringLiteral("C'est un dossier, pas un fichier."));
}

} // namespace

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

// A capture saved by the oscilloscope, one file per channel, opened as one
// screen. The files follow the instrument's published layout (see
// support/ScopeCsvFiles.h); no instrument runs here.
#include "page/ScopeCsvImport.h"
#include "data/SystemFileName.h"
#include "data/UData.h"
#include "graphs/TOsc.h"
#include "page/TIsisGraph.h"
#include "support/PageFacts.h"
#include "support/SampleFiles.h"
#include "support/ScopeCsvFiles.h"
#include "support/ScriptedPrompts.h"
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace
{

std::string Ramp(int count, int first)
{
    std::string codes;
    for (int i = 0; i < count; ++i)
        codes += char(first + i);
    return codes;
}

class ScopeCsvImportTest : public testing::Test
{
protected:
    QString Write(const QString &name, const QByteArray &bytes)
    {
        return WriteSampleFile(dir, name, bytes);
    }
    QString Channel(const QString &name, const char *source, int first,
                    const char *horizontalUnits = "s")
    {
        ScopeCsvChannel c;
        c.Source = source;
        c.HorizontalUnits = horizontalUnits;
        c.Values = ValuesOfCodes(Ramp(20, first), c.VerticalScale, 0);
        return Write(name, ScopeCsvText(c));
    }
    ScriptedPrompts prompts;
    QTemporaryDir dir;
    TIsisGraph page;
};

TEST_F(ScopeCsvImportTest, TheFilesOfOneAcquisitionGoTogether)
{
    for (const char *name : {"F0001CH2.CSV", "f0001ch1.csv", "F0001TEK.SET", "F00011CH1.CSV",
                             "F0002CH1.CSV", "G0001CH3.CSV", "F0001.CSV"})
        Write(QString::fromLatin1(name), "x");
    auto names = [](const QStringList &files) {
        QStringList out;
        for (const QString &f : files)
            out << QFileInfo(f).fileName();
        return out;
    };
    EXPECT_EQ(names(CaptureFiles(dir.filePath(QStringLiteral("F0001CH2.CSV")))),
              QStringList({"F0001CH2.CSV", "f0001ch1.csv"}));
    EXPECT_EQ(names(CaptureFiles(dir.filePath(QStringLiteral("G0001CH3.CSV")))),
              QStringList({"G0001CH3.CSV"}));
}

TEST_F(ScopeCsvImportTest, ChannelsOfTheCaptureMakeOneScreenInChannelOrder)
{
    const QString ch2 = Channel(QStringLiteral("F0001CH2.CSV"), "CH2", 60);
    Channel(QStringLiteral("F0001CH1.CSV"), "CH1", 100);
    Channel(QStringLiteral("F0001RFA.CSV"), "REFA", 30);
    Channel(QStringLiteral("F0001MTH.CSV"), "MATH", 10, "Hz"); // a spectrum: another time base
    Channel(QStringLiteral("F0001CH1B.CSV"), "CH1", 0);        // CH1 again
    Channel(QStringLiteral("F0002CH3.CSV"), "CH3", 0);         // another acquisition
    Write(QStringLiteral("F0001NOTE.CSV"), "t;U\n0;1\n");     // not a channel file
    page.FileName = QStringLiteral("ancien.scv");
    QString why;
    ASSERT_TRUE(ImportScopeCsv(page, ch2, why)) << why.toStdString();
    ASSERT_EQ(page.GraphCount(), 1);
    EXPECT_NE(dynamic_cast<TOsc *>(page.Graphs(0)), nullptr);
    EXPECT_EQ(SeriesNames(page), QStringList({"t", "CH1", "CH2", "RefA"}));
    EXPECT_EQ(page.FileName, QString());
    const auto *ch1 = dynamic_cast<const TDataOsc *>(page.Datas->Item(1));
    ASSERT_NE(ch1, nullptr);
    EXPECT_EQ(std::tuple(ch1->Color, ch1->Channel, ch1->GetRaw(19), ch1->Unit),
              std::tuple(RGBColor(255, 200, 0), '1', 119, QStringLiteral("V")));
    EXPECT_DOUBLE_EQ(page.Datas->Item(0)->GetValue(19), -5e-3 + 19 * 4e-6);
}

// A folder named in Windows-1252 (from an old archive): its name is not UTF-8.
TEST_F(ScopeCsvImportTest, ACaptureInAFolderNamedInAnotherEncodingOpensWhole)
{
    const QByteArray folder = QFile::encodeName(dir.path()) + "/mesures \xE9t\xE9/";
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    for (const char *source : {"CH1", "CH2"}) {
        ScopeCsvChannel c;
        c.Source = source;
        c.Values = ValuesOfCodes(Ramp(20, 50), c.VerticalScale, 0);
        const QByteArray text = ScopeCsvText(c);
        std::FILE *file = std::fopen((folder + "F0001" + source + ".CSV").constData(), "wb");
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(std::fwrite(text.constData(), 1, std::size_t(text.size()), file),
                  std::size_t(text.size()));
        std::fclose(file);
    }
    QString why;
    ASSERT_TRUE(ImportScopeCsv(page, FileNameFromSystem(folder + "F0001CH2.CSV"), why))
        << why.toStdString();
    EXPECT_EQ(SeriesNames(page), QStringList({"t", "CH1", "CH2"}));
}

TEST_F(ScopeCsvImportTest, AFileOfTheCaptureThatCannotBeReadLeavesThePageAsItWas)
{
    const QString ch1 = Channel(QStringLiteral("F0001CH1.CSV"), "CH1", 100);
    ASSERT_TRUE(page.ImportFile(ch1));
    const TAxe *screen = page.Graphs(0);
    page.FileName = QStringLiteral("garde.scv");
    QByteArray cut = ReadSampleFile(ch1);
    cut.truncate(cut.indexOf("Horizontal Units"));
    Write(QStringLiteral("F0001CH2.CSV"), cut);
    QString why;
    EXPECT_FALSE(page.ImportFile(ch1, &why));
    EXPECT_EQ(why, QString::fromUtf8("Format de fichier non reconnu\nF0001CH2.CSV : Ligne 10 : le "
                                     "fichier s'arrête après 10 points, « Record Length » en "
                                     "annonce 20."));
    EXPECT_EQ(std::tuple(page.Graphs(0), page.FileName, page.Datas->Count()),
              std::tuple(screen, QStringLiteral("garde.scv"), 2));
}

} // namespace

// The program itself, run with no display at all: what it prints, and the
// export of a small simulator export to SVG, failing with a French
// message and status 1.
#include "TestPaths.h"
#include "support/Processes.h"
#include "support/RawFiles.h"
#include "support/SampleFiles.h"
#include "support/SimulatedScope.h"
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

class ProgramTest : public ::testing::Test
{
protected:
    ProgramTest()
    {
        const QByteArray text = "\"Time\",\"V(OUT)\",\"I(R1)\"\r\n"
                                "0.000000E+00,0.000000E+00,1.000000E-03\r\n"
                                "5.000000E-04,2.500000E+00,5.000000E-04\r\n"
                                "1.000000E-03,5.000000E+00,0.000000E+00\r\n";
        input = Write(QStringLiteral("rc.dat"), text);
    }

    QString Write(const QString &name, const QByteArray &bytes)
    {
        return WriteSampleFile(dir, name, bytes);
    }

    static ProcessRun Run(const QStringList &args)
    {
        EXPECT_TRUE(QFileInfo(ScolivetProgram()).isExecutable()) << "build the scolivet program first";
        return RunProcess(ScolivetProgram(), args);
    }

    QTemporaryDir dir;
    QString input;
};

TEST_F(ProgramTest, VersionAndHelpNeedNoDisplay)
{
    const ProcessRun version = Run({QStringLiteral("--version")});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.trimmed(), QStringLiteral("Scolivet " SCOLIVET_VERSION));

    // The help speaks French only, Qt's own words included.
    const ProcessRun help = Run({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    for (const char *french : {"Utilisation :", "Options :", "-v, --version", "Affiche", "fichier"})
        EXPECT_TRUE(help.out.contains(QString::fromUtf8(french))) << french;
    for (const char *english : {"Usage", "Displays", "help-all", "Arguments:"})
        EXPECT_FALSE(help.out.contains(QString::fromUtf8(english))) << english;
}

TEST_F(ProgramTest, WritesAnSvgPageWithItsTextsKeptAsText)
{
    const QString svg = dir.filePath(QStringLiteral("page.svg"));
    const ProcessRun out = Run({"--export", svg, input});
    ASSERT_EQ(out.status, 0) << out.errors.toStdString();
    EXPECT_EQ(out.errors, QString()); // not even a toolkit warning
    const QString content = QString::fromUtf8(ReadSampleFile(svg));
    EXPECT_TRUE(content.contains(QStringLiteral("viewBox=\"0 0 2000 1500\"")));
    EXPECT_TRUE(content.contains(QStringLiteral("font-family=\"Times New Roman, serif\"")));
    // Curve labels, the axis legend, graduations with prefixes and commas.
    for (const QString &text :
         {QStringLiteral(">V(OUT)<"), QStringLiteral(">I(R1)<"), QStringLiteral(">Time<"),
          QStringLiteral(">200µ<"), QStringLiteral(">1,0m<")})
        EXPECT_TRUE(content.contains(text)) << text.toStdString();
}

// A file of several simulations gives its transient one, with no question.
TEST_F(ProgramTest, ExportsTheProposedSimulationOfARawFile)
{
    const QString svg = dir.filePath(QStringLiteral("analyses.svg"));
    const ProcessRun out = Run({"--export", svg, SpiceSample(QStringLiteral("analyses.raw"))});
    ASSERT_EQ(out.status, 0) << out.errors.toStdString();
    const QString content = QString::fromUtf8(ReadSampleFile(svg));
    for (const char *label : {">time(s)<", ">v(out)(V)<", ">i(v1)(A)<"})
        EXPECT_TRUE(content.contains(QString::fromLatin1(label))) << label;
}

// A French spreadsheet's CSV gives its XY page; an AC analysis its Bode page,
// gains over phases on decades; one channel file of a capture gives the
// screen of every channel of its acquisition.
TEST_F(ProgramTest, ExportsATableAnAcAnalysisAndAnOscilloscopeCapture)
{
    const struct {
        const char *input;
        std::vector<const char *> texts;
    } cases[] = {
        {"tables/charge-rc.csv", {">Temps(ms)<", ">Intensité(mA)<", ">Tension(V)<", ">2,5<"}},
        {"spice/rc-ac-binary.raw",
         {"viewBox=\"0 0 2000 3000\"", ">gain v(out)(dB)<", ">phase v(out)(°)<", ">1k<", ">100k<"}},
        {"scope/F0001CH2.CSV", {">t : 1ms/div<", ">CH1 : 500mV/div<", ">CH2 : 200mV/div<"}},
    };
    for (const auto &c : cases) {
        const QString svg = dir.filePath(QStringLiteral("page.svg"));
        const ProcessRun out = Run(
            {"--export", svg, QStringLiteral(SCOLIVET_SOURCE_DIR "/tests/data/") + c.input});
        ASSERT_EQ(out.status, 0) << out.errors.toStdString();
        const QString content = QString::fromUtf8(ReadSampleFile(svg));
        for (const char *text : c.texts)
            EXPECT_TRUE(content.contains(QString::fromUtf8(text))) << c.input << " " << text;
    }
}

TEST_F(ProgramTest, FailuresSayWhyInFrenchAndWriteNothing)
{
    struct Case {
        QString out, in, message;
    };
    const Case cases[] = {
        {QStringLiteral("a.svg"), dir.filePath(QStringLiteral("absent.dat")),
         QStringLiteral("Impossible d'ouvrir le fichier")},
        {QStringLiteral("b.svg"), Write(QStringLiteral("bad.dat"), "rien\r\n"),
         QStringLiteral("Format de fichier non reconnu")},
        {QStringLiteral("c.txt"), input, QStringLiteral("Format d'exportation non reconnu")},
    };
    for (const Case &c : cases) {
        const QString target = dir.filePath(c.out);
        const ProcessRun out = Run({"--export", target, c.in});
        EXPECT_EQ(out.status, 1) << c.out.toStdString();
        EXPECT_TRUE(out.errors.contains(c.message)) << out.errors.toStdString();
        EXPECT_FALSE(QFileInfo::exists(target)) << c.out.toStdString();
    }
    // The input reached through a link is not overwritten.
    const QString link = dir.filePath(QStringLiteral("lien.svg"));
    ASSERT_TRUE(QFile::link(input, link));
    const ProcessRun same = Run({"--export", link, input});
    EXPECT_EQ(same.status, 1);
    EXPECT_TRUE(same.errors.contains(QStringLiteral("c'est le fichier lu")))
        << same.errors.toStdString();
    EXPECT_TRUE(ReadSampleFile(input).startsWith("\"Time\""));

    const ProcessRun missing = Run({"--export", dir.filePath(QStringLiteral("d.svg"))});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.errors.contains(QStringLiteral("Aucun fichier à exporter")));
}

// Names in Windows-1252 from an old archive: bytes that are not UTF-8.
TEST_F(ProgramTest, NamesThatAreNotUtf8AreReadAndWrittenAsGiven)
{
    const QByteArray folder = QFile::encodeName(dir.path()) + '/';
    const QByteArray document = folder + "caf\xE9.scv", picture = folder + "\xB5V \xE9t\xE9.svg";
    const ProcessRun written =
        RunProcessWithBytes(ScolivetProgram(), {"--export", document, QFile::encodeName(input)});
    ASSERT_EQ(written.status, 0) << written.errors.toStdString();
    const ProcessRun read = RunProcessWithBytes(ScolivetProgram(), {"--export", picture, document});
    ASSERT_EQ(read.status, 0) << read.errors.toStdString();
    for (const QByteArray &name : {document, picture})
        EXPECT_EQ(::access(name.constData(), R_OK), 0) << name.toHex().constData();
    // Nothing else was written, under any other spelling.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList(QStringLiteral("rc.dat")));

    // Never written over itself; written again, it keeps its permissions.
    const ProcessRun itself =
        RunProcessWithBytes(ScolivetProgram(), {"--export", document, document});
    EXPECT_TRUE(itself.status == 1 && itself.errors.contains(QStringLiteral("c'est le fichier lu")))
        << itself.errors.toStdString();
    ASSERT_EQ(::chmod(document.constData(), 0640), 0);
    EXPECT_EQ(
        RunProcessWithBytes(ScolivetProgram(), {"--export", document, QFile::encodeName(input)})
            .status,
        0);
    struct stat info {};
    EXPECT_TRUE(::stat(document.constData(), &info) == 0 && (info.st_mode & 0777) == 0640);

    // Messages name the files with their own bytes.
    const ProcessRun missing = RunProcessWithBytes(
        ScolivetProgram(), {"--export", folder + "x.svg", folder + "absent\xE9.scv"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.errors.contains(QStringLiteral("absent\uFFFD.scv"))) // as UTF-8 reads it
        << missing.errors.toStdString();
    const ProcessRun unwritable = RunProcessWithBytes(
        ScolivetProgram(), {"--export", folder + "absent\xE9/x.svg", QFile::encodeName(input)});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_TRUE(unwritable.errors.contains(QStringLiteral("Impossible d'écrire le fichier")))
        << unwritable.errors.toStdString();
}

} // namespace

TEST_F(ProgramTest, CapturesTheOscilloscopePageOrSaysWhyNot)
{
    auto simulator = StartSimulator({});
    const QString svg = dir.filePath(QStringLiteral("scope.svg"));
    const ProcessRun out = Run({"--capture", PortOf(*simulator), "--export", svg});
    ASSERT_EQ(out.status, 0) << out.errors.toStdString();
    EXPECT_TRUE(QString::fromUtf8(ReadSampleFile(svg)).contains(QStringLiteral("CH2")));

    const QString none = dir.filePath(QStringLiteral("none.svg"));
    const ProcessRun missing = Run({"--capture", "/nonexistent/ttyUSB9", "--export", none});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.errors.contains(QStringLiteral(
        "Impossible d'ouvrir le port Série : /nonexistent/ttyUSB9\nRelancer l'application")));
    EXPECT_FALSE(QFileInfo::exists(none));
}

TEST_F(ProgramTest, AnExportBecomesADocumentThatExportsInTurnButNeverOverItself)
{
    const QString document = dir.filePath(QStringLiteral("rc.SCV"));
    const ProcessRun saved = Run({"--export", document, input});
    ASSERT_EQ(saved.status, 0) << saved.errors.toStdString();
    EXPECT_TRUE(ReadSampleFile(document).startsWith("Scolivet Version 1.01\r\n[Datas]\r\n"));

    const QString svg = dir.filePath(QStringLiteral("rc.svg"));
    const ProcessRun exported = Run({"--export", svg, document});
    ASSERT_EQ(exported.status, 0) << exported.errors.toStdString();
    EXPECT_TRUE(QString::fromUtf8(ReadSampleFile(svg)).contains(QStringLiteral(">V(OUT)<")));

    const QByteArray before = ReadSampleFile(document);
    const ProcessRun over = Run({"--export", document, document});
    EXPECT_EQ(over.status, 1);
    EXPECT_TRUE(over.errors.contains(QStringLiteral("c'est le fichier lu"))) << over.errors.toStdString();
    EXPECT_EQ(ReadSampleFile(document), before);
}

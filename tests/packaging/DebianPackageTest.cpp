// The Debian package made from this build: its dependencies, the files a
// desktop needs, the document type it registers, and the programs run from
// where the package unpacks, with the system's libraries only.
#include "TestPaths.h"
#include "support/Processes.h"
#include "support/SampleFiles.h"
#include <QDir>
#include <QMimeDatabase>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace
{

const QString AppId = QStringLiteral("org.scolivet.Scolivet");

class DebianPackageTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        dir = std::make_unique<QTemporaryDir>();
        const ProcessRun made = RunProcess(QStringLiteral(SCOLIVET_CPACK),
                                           {"-G", "DEB", "-B", dir->filePath("out"), "--config",
                                            SCOLIVET_BINARY_DIR "/CPackConfig.cmake"},
                                           300000);
        ASSERT_EQ(made.status, 0) << made.out.toStdString() << made.errors.toStdString();
        const QStringList debs = QDir(dir->filePath("out")).entryList({"*.deb"});
        ASSERT_EQ(debs.size(), 1);
        deb = dir->filePath("out/" + debs.front());
        const ProcessRun unpacked = RunProcess("dpkg-deb", {"-x", deb, Root()});
        ASSERT_EQ(unpacked.status, 0) << unpacked.errors.toStdString();
    }
    void SetUp() override { ASSERT_FALSE(deb.isEmpty()) << "the package was not made"; }

    static QString Root() { return dir->filePath("root"); }
    static QString Installed(const QString &path) { return Root() + "/usr/" + path; }

    static inline std::unique_ptr<QTemporaryDir> dir;
    static inline QString deb;
};

TEST_F(DebianPackageTest, DependsOnTheLibrariesItsProgramsLinkAndTheQtPlugins)
{
    const ProcessRun depends = RunProcess("dpkg-deb", {"-f", deb, "Depends"});
    for (const char *package : {"libqt6widgets6", "libqt6serialport6", "libqt6svg6", "libc6",
                                "qt6-qpa-plugins", "fonts-liberation2"})
        EXPECT_TRUE(depends.out.contains(QLatin1String(package))) << package;
}

TEST_F(DebianPackageTest, InstallsWhatTheDesktopLooksForAndItIsValid)
{
    for (const QString &path : QStringList{
             "bin/scolivet", "bin/scolivet-tds-sim", "share/scolivet/help/Scolivet.html",
             "share/applications/" + AppId + ".desktop",
             "share/metainfo/" + AppId + ".metainfo.xml", "share/mime/packages/" + AppId + ".xml",
             "share/icons/hicolor/scalable/apps/" + AppId + ".svg",
             "share/icons/hicolor/48x48/apps/" + AppId + ".png"})
        EXPECT_TRUE(QFileInfo::exists(Installed(path))) << path.toStdString();

    const ProcessRun desktop = RunProcess("desktop-file-validate",
                                          {Installed("share/applications/" + AppId + ".desktop")});
    // The three categories asked for give a hint (two are main categories).
    EXPECT_EQ(desktop.status, 0) << desktop.out.toStdString();
    EXPECT_FALSE(desktop.out.contains("error") || desktop.out.contains("warning"))
        << desktop.out.toStdString();
    const ProcessRun metainfo =
        RunProcess("appstreamcli", {"validate", "--no-net",
                                    Installed("share/metainfo/" + AppId + ".metainfo.xml")});
    EXPECT_EQ(metainfo.status, 0) << metainfo.out.toStdString();
}

// The type as a desktop sees it once the package's trigger compiled the
// database: by name, and by the banner whatever the name, after a
// byte-order mark too.
TEST_F(DebianPackageTest, DocumentsAreKnownByNameAndByTheirFirstLine)
{
    const QString share = dir->filePath("share");
    ASSERT_TRUE(QDir().mkpath(share + "/mime/packages"));
    ASSERT_TRUE(QFile::copy(Installed("share/mime/packages/" + AppId + ".xml"),
                            share + "/mime/packages/" + AppId + ".xml"));
    qputenv("XDG_DATA_HOME", dir->filePath("home").toLocal8Bit());
    qputenv("XDG_DATA_DIRS", share.toLocal8Bit());
    const ProcessRun compiled = RunProcess("update-mime-database", {share + "/mime"});
    ASSERT_EQ(compiled.status, 0) << compiled.errors.toStdString();
    EXPECT_TRUE(compiled.errors.isEmpty()) << compiled.errors.toStdString();

    const QMimeDatabase types;
    EXPECT_EQ(types.mimeTypeForFile("cours.scv", QMimeDatabase::MatchExtension).name(),
              "application/x-scolivet");
    const QByteArray banner = "Scolivet Version 1.01\r\n2\r\n";
    const QString ansi = WriteSampleFile(*dir, "ansi.txt", banner);
    const QString utf8 = WriteSampleFile(*dir, "utf8", "\xEF\xBB\xBF" + banner);
    const QString other = WriteSampleFile(*dir, "other", "Version Scolivet\r\n");
    EXPECT_EQ(types.mimeTypeForFile(ansi, QMimeDatabase::MatchContent).name(),
              "application/x-scolivet");
    EXPECT_EQ(types.mimeTypeForFile(utf8, QMimeDatabase::MatchContent).name(),
              "application/x-scolivet");
    EXPECT_NE(types.mimeTypeForFile(other, QMimeDatabase::MatchContent).name(),
              "application/x-scolivet");
}

TEST_F(DebianPackageTest, ProgramRunsFromTheUnpackedTreeWithTheSystemLibraries)
{
    const ProcessRun version = RunProcess(Installed("bin/scolivet"), {"--version"});
    EXPECT_EQ(version.status, 0) << version.errors.toStdString();
    EXPECT_EQ(version.out.trimmed(), QStringLiteral("Scolivet " SCOLIVET_VERSION));

    const QString input = WriteSampleFile(
        *dir, "rc.dat", "\"Time\",\"V(OUT)\"\r\n0.0E+00,0.0E+00\r\n1.0E-03,5.0E+00\r\n");
    const QString svg = dir->filePath("page.svg");
    const ProcessRun exported = RunProcess(Installed("bin/scolivet"), {"--export", svg, input});
    ASSERT_EQ(exported.status, 0) << exported.errors.toStdString();
    EXPECT_TRUE(ReadSampleFile(svg).contains(">V(OUT)<"));
}

} // namespace

// The program itself: what it prints without opening a window.
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

namespace
{

const QString program = QStringLiteral(SCOLIVET_BINARY_DIR "/src/app/scolivet");

struct ProgramRun {
    int exitCode = -1;
    QString out;
};

// Runs the program with no display at all.
ProgramRun RunProgram(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(program, arguments);
    ProgramRun run;
    if (!process.waitForFinished(30000))
        return run;
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    return run;
}

class ProgramTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QFileInfo(program).isExecutable()) << "build the scolivet target first";
    }
};

TEST_F(ProgramTest, VersionAndHelpNeedNoDisplay)
{
    const ProgramRun version = RunProgram({QStringLiteral("--version")});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.trimmed(), QStringLiteral("Scolivet " SCOLIVET_VERSION));

    const ProgramRun help = RunProgram({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--version")));
    EXPECT_TRUE(help.out.contains(QStringLiteral("fichier")));
}

} // namespace

// The whole story with real processes: a session edits a page and is killed
// with SIGKILL; the next session, under the same data folder, recovers the
// page as it was, and its normal close leaves no copy behind.
#include "TestPaths.h"
#include "support/SampleFiles.h"
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

const QString Child = QStringLiteral(SCOLIVET_BINARY_DIR "/tests/recovery_child");

// Waits at most 60 s for a line on the process's output.
bool WaitForLine(QProcess &process, const QByteArray &line, QByteArray &out)
{
    for (int i = 0; i < 600 && !out.contains(line + '\n'); ++i) {
        if (process.state() == QProcess::NotRunning)
            return false;
        process.waitForReadyRead(100);
        out += process.readAllStandardOutput();
    }
    return out.contains(line + '\n');
}

TEST(RecoveryProgram, PageOfAKilledSessionComesBackWhole)
{
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QString input = WriteSampleFile(home, QStringLiteral("mesure.dat"), IsisExportText(3, 40));
    const QString expected = home.filePath(QStringLiteral("attendu.scv"));
    const QString result = home.filePath(QStringLiteral("obtenu.scv"));
    const QString folder = home.filePath(QStringLiteral("data/Scolivet/recovery"));

    QProcess editing;
    editing.setProcessEnvironment(env);
    editing.start(Child, {QStringLiteral("edit"), input, expected});
    QByteArray out;
    ASSERT_TRUE(WaitForLine(editing, "ready", out))
        << out.toStdString() << editing.readAllStandardError().toStdString();
    editing.kill(); // SIGKILL
    ASSERT_TRUE(editing.waitForFinished(10000));
    EXPECT_EQ(editing.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(QDir(folder).entryList({QStringLiteral("*.page")}).size(), 1);

    QProcess restart;
    restart.setProcessEnvironment(env);
    restart.start(Child, {QStringLiteral("recover"), result});
    ASSERT_TRUE(restart.waitForFinished(60000));
    const QString said = QString::fromUtf8(restart.readAllStandardOutput());
    EXPECT_EQ(restart.exitCode(), 0) << restart.readAllStandardError().toStdString();
    EXPECT_TRUE(said.startsWith(QStringLiteral("Récupérer le travail non enregistré ?\n\n"
                                               "page importée, copie du ")))
        << said.toStdString();
    EXPECT_EQ(ReadSampleFile(result), ReadSampleFile(expected));
    EXPECT_FALSE(ReadSampleFile(expected).isEmpty());
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList());
}

} // namespace

#include "Processes.h"
#include "TestPaths.h"
#include <QProcess>
#include <QProcessEnvironment>
#include <gtest/gtest.h>

ProcessRun RunProcess(const QString &program, const QStringList &args, int timeoutMs)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    ProcessRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.errors = QString::fromUtf8(process.readAllStandardError());
    return run;
}

ProcessRun RunProcessWithBytes(const QString &program, const QList<QByteArray> &args)
{
    QString script = QStringLiteral("exec \"$0\"");
    for (const QByteArray &arg : args) {
        script += QStringLiteral(" \"$(printf '");
        for (const char c : arg)
            script += QString::asprintf("\\%03o", unsigned(static_cast<unsigned char>(c)));
        script += QStringLiteral("')\"");
    }
    return RunProcess(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, program});
}

QString ScolivetProgram()
{
    return QStringLiteral(SCOLIVET_BINARY_DIR "/src/app/scolivet");
}

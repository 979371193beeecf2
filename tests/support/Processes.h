#pragma once
// Outside programs run from tests: the built program itself and the readers
// that check what it writes. Every run is bounded in time.
#include <QString>
#include <QStringList>

struct ProcessRun {
    int status = -1; // -1 when it could not start, crashed or overran its time
    QString out;
    QString errors;
};

// Runs program with args and no display, waiting at most timeoutMs.
ProcessRun RunProcess(const QString &program, const QStringList &args, int timeoutMs = 60000);

// The same with arguments given as bytes, which need not be UTF-8 (QProcess
// would pass them as UTF-8): the shell's printf makes them.
ProcessRun RunProcessWithBytes(const QString &program, const QList<QByteArray> &args);

// The scolivet program of this build.
QString ScolivetProgram();

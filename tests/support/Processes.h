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

// The scolivet program of this build.
QString ScolivetProgram();

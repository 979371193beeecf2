#pragma once
// When the recovery copy is written: a short quiet time after the last
// change, so that a burst of edits makes one write, but no later than a
// longest wait after the first change the copy lacks, so that steady editing
// is still saved. Times are milliseconds of one clock.
#include <QtGlobal>

struct TRecoveryDelays {
    qint64 Quiet = 3000;
    qint64 Longest = 30000;
};

// Milliseconds from now until the copy is due, for a copy that lacks every
// change since firstUnwritten, the last one made at lastChange. Never
// negative, and never more than the quiet time from now, so that a clock set
// back does not put the copy off.
qint64 RecoveryWriteDelay(qint64 now, qint64 firstUnwritten, qint64 lastChange,
                          const TRecoveryDelays &delays);

#include "app/RecoverySchedule.h"
#include <algorithm>

qint64 RecoveryWriteDelay(qint64 now, qint64 firstUnwritten, qint64 lastChange,
                          const TRecoveryDelays &delays)
{
    const qint64 due = std::min(lastChange + delays.Quiet, firstUnwritten + delays.Longest);
    return std::clamp<qint64>(due - now, 0, delays.Quiet);
}

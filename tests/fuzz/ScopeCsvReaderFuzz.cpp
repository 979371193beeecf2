#include "fuzz/FuzzTargets.h"
#include "support/ReaderChecks.h"

std::string ScopeCsvReaderFuzz(std::string_view bytes)
{
    return ScopeCsvWellFormedOrReasonFault(bytes);
}

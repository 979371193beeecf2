#include "fuzz/FuzzTargets.h"
#include "data/TDatas.h"
#include "support/ReaderChecks.h"

std::string IsisReaderFuzz(std::string_view bytes)
{
    TDatas datas;
    return WellFormedOrEmptyFault(datas, bytes);
}

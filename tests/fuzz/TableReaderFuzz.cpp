#include "fuzz/FuzzTargets.h"
#include "data/TDatas.h"
#include "support/ReaderChecks.h"

std::string TableReaderFuzz(std::string_view bytes)
{
    TDatas datas;
    return TableWellFormedOrEmptyFault(datas, bytes);
}

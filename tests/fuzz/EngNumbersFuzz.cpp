#include "fuzz/FuzzTargets.h"
#include "support/ReaderChecks.h"
#include <cstring>

std::string EngNumbersFuzz(std::string_view bytes)
{
    if (bytes.size() >= 2 * sizeof(double)) {
        double value;
        double resolution;
        std::memcpy(&value, bytes.data(), sizeof value);
        std::memcpy(&resolution, bytes.data() + sizeof value, sizeof resolution);
        if (std::string fault = EngRoundTripFault(value, resolution); !fault.empty())
            return fault;
    }
    return EngParseFault(QString::fromUtf8(bytes.data(), qsizetype(bytes.size())));
}

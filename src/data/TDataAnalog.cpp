#include "data/TDataAnalog.h"
#include "data/DecimalText.h"
#include "data/HugePages.h"

TDataAnalog::TDataAnalog() : TData(dkAnalog, false, 0.0, 0.0) {}

void TDataAnalog::SetCount(int n)
{
    ResizeSamples(Values, n);
    FCount = int(Values.size());
}

bool TDataAnalog::SetValueBytes(int i, std::string_view cell)
{
    double v = 0.0;
    if (!ParseDecimal(cell, v))
        return false;
    SetValue(i, v);
    return true;
}

#include "data/TDataAnalog.h"
#include "data/DecimalText.h"

TDataAnalog::TDataAnalog() : TData(dkAnalog, false, 0.0, 0.0) {}

void TDataAnalog::SetCount(int n)
{
    Values.resize(std::size_t(n));
    FCount = n;
}

bool TDataAnalog::SetValueBytes(int i, std::string_view cell)
{
    double v = 0.0;
    if (!ParseDecimal(cell, v))
        return false;
    SetValue(i, v);
    return true;
}

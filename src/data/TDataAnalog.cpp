#include "data/TDataAnalog.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
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

void TDataAnalog::SaveOwnLines(DocumentWriter &out) const
{
    for (double v : Values)
        out.WriteReal(v);
}

void TDataAnalog::LoadOwnLines(DocumentReader &in, int count)
{
    SetCount(count);
    for (int i = 0; i < count; ++i)
        SetValue(i, in.ReadReal());
}

void TDataAnalog::Assign(const TData &from)
{
    const auto &source = static_cast<const TDataAnalog &>(from);
    AssignHeader(source);
    Values = source.Values;
}

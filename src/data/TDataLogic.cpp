#include "data/TDataLogic.h"
#include "data/DocumentReader.h"
#include "data/DocumentWriter.h"
#include "data/HugePages.h"
#include "data/QuotedCell.h"

std::uint8_t LogicStateCode(std::string_view name)
{
    for (std::size_t code = 0; code < LogicStateNames.size(); ++code) {
        if (name == LogicStateNames[code])
            return std::uint8_t(code);
    }
    return UnknownLogicState;
}

std::uint8_t LogicCellState(std::string_view cell)
{
    return LogicStateCode(QuotedCellInner(cell));
}

bool IsLogicState(std::string_view cell)
{
    const std::string_view inner = QuotedCellInner(cell);
    for (std::string_view name : LogicStateNames) {
        if (inner == name)
            return true;
    }
    return false;
}

double LogicLevel(std::uint8_t code)
{
    if (code <= 2)
        return 1.0;
    if (code <= 5)
        return 0.5;
    return 0.0;
}

TDataLogic::TDataLogic() : TData(dkLogic, true, 0.0, 1.0) {}

void TDataLogic::SetCount(int n)
{
    ResizeSamples(States, n);
    FCount = int(States.size());
}

bool TDataLogic::SetValueBytes(int i, std::string_view cell)
{
    SetState(i, LogicCellState(cell));
    return true;
}

void TDataLogic::SaveOwnLines(DocumentWriter &out) const
{
    for (std::uint8_t code : States)
        out.WriteLine(LogicStateNames[code < LogicStateNames.size() ? code : UnknownLogicState]);
}

void TDataLogic::LoadOwnLines(DocumentReader &in, int count)
{
    SetCount(count);
    for (int i = 0; i < count; ++i)
        SetState(i, LogicStateCode(in.NextLine()));
}

void TDataLogic::Assign(const TData &from)
{
    const auto &source = static_cast<const TDataLogic &>(from);
    AssignHeader(source);
    States = source.States;
}

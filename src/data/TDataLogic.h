#pragma once
// A logic series: one state code 0..8 per sample, indexing LogicStateNames.
// Its range is 0..1 from creation whatever the states.
#include "data/TData.h"
#include <array>
#include <vector>

// The simulator's state keywords, also the text written to documents.
inline constexpr std::array<std::string_view, 9> LogicStateNames = {
    "PHI", "SHI", "WHI", "FLT", "WUD", "CON", "WLO", "SLO", "PLO"};
// The code stored for any text that names no state.
inline constexpr std::uint8_t UnknownLogicState = 4;

// The code of a state name compared case-sensitively; UnknownLogicState when
// the text names no state.
std::uint8_t LogicStateCode(std::string_view name);
// The code of a cell: a state name in quotes.
std::uint8_t LogicCellState(std::string_view cell);
// True when the cell without its first and last characters names a state.
bool IsLogicState(std::string_view cell);
// 1.0, 0.5 or 0.0 for the high, undetermined and low states.
double LogicLevel(std::uint8_t code);

class TDataLogic : public TData
{
public:
    TDataLogic();

    std::vector<std::uint8_t> States;

    void Assign(const TData &from) override;
    void SetCount(int n) override;
    // Stores LogicCellState(cell).
    bool SetValueBytes(int i, std::string_view cell) override;
    double GetValue(int i) const override { return LogicLevel(States[std::size_t(i)]); }

    void SetState(int i, std::uint8_t code) { States[std::size_t(i)] = code; }
protected:
    void SaveOwnLines(DocumentWriter &out) const override;
    void LoadOwnLines(DocumentReader &in, int count) override;
};

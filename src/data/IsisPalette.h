#pragma once
// The colours given to simulator export columns, by column index modulo 10.
#include "data/TColor.h"
#include <array>

inline constexpr std::array<TColor, 10> IsisPalette = {
    clBlue, clFuchsia, clGreen, clMaroon, clNavy, clOlive, clPurple, clRed, clTeal, clSilver};

#pragma once
// The names documents use for colours: sixteen plain colours, the 25 system
// colours (0x80000000 + index) and clNone.
#include "data/TColor.h"
#include <optional>
#include <string_view>

// The name of a colour that has one exactly, otherwise empty.
std::string_view ColorName(TColor color);
// The colour a name stands for, letter case ignored.
std::optional<TColor> ColorByName(std::string_view name);

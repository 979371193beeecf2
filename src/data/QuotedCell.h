#pragma once
// A quoted cell of a simulator export without its first and last characters
// (the quotes, whatever they are); empty when the cell is shorter than two.
#include <string_view>

inline std::string_view QuotedCellInner(std::string_view cell)
{
    return cell.size() < 2 ? std::string_view() : cell.substr(1, cell.size() - 2);
}

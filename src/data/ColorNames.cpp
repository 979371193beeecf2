#include "data/ColorNames.h"
#include <array>

namespace
{

struct NamedColor {
    std::string_view Name;
    TColor Color;
};

constexpr TColor System = 0x80000000u;

constexpr std::array<NamedColor, 42> names{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clScrollBar", System + 0},
    {"clBackground", System + 1},
    {"clActiveCaption", System + 2},
    {"clInactiveCaption", System + 3},
    {"clMenu", System + 4},
    {"clWindow", System + 5},
    {"clWindowFrame", System + 6},
    {"clMenuText", System + 7},
    {"clWindowText", System + 8},
    {"clCaptionText", System + 9},
    {"clActiveBorder", System + 10},
    {"clInactiveBorder", System + 11},
    {"clAppWorkSpace", System + 12},
    {"clHighlight", System + 13},
    {"clHighlightText", System + 14},
    {"clBtnFace", System + 15},
    {"clBtnShadow", System + 16},
    {"clGrayText", System + 17},
    {"clBtnText", System + 18},
    {"clInactiveCaptionText", System + 19},
    {"clBtnHighlight", System + 20},
    {"cl3DDkShadow", System + 21},
    {"cl3DLight", System + 22},
    {"clInfoText", System + 23},
    {"clInfoBk", System + 24},
    {"clNone", 0x1FFFFFFFu},
}};

char Lower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

bool SameLetters(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

} // namespace

std::string_view ColorName(TColor color)
{
    for (const NamedColor &n : names)
        if (n.Color == color)
            return n.Name;
    return {};
}

std::optional<TColor> ColorByName(std::string_view name)
{
    for (const NamedColor &n : names)
        if (SameLetters(n.Name, name))
            return n.Color;
    return std::nullopt;
}

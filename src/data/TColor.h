#pragma once
// Colours as the page stores them: a 32-bit value, red in the low byte, then
// green, then blue. Values from 0x80000000 up name system colours.
#include <cstdint>

using TColor = std::uint32_t;

constexpr TColor RGBColor(unsigned r, unsigned g, unsigned b)
{
    return TColor(r & 0xFFu) | (TColor(g & 0xFFu) << 8) | (TColor(b & 0xFFu) << 16);
}

constexpr unsigned RedOf(TColor c)
{
    return c & 0xFFu;
}
constexpr unsigned GreenOf(TColor c)
{
    return (c >> 8) & 0xFFu;
}
constexpr unsigned BlueOf(TColor c)
{
    return (c >> 16) & 0xFFu;
}

constexpr TColor clBlack = RGBColor(0, 0, 0);
constexpr TColor clMaroon = RGBColor(128, 0, 0);
constexpr TColor clGreen = RGBColor(0, 128, 0);
constexpr TColor clOlive = RGBColor(128, 128, 0);
constexpr TColor clNavy = RGBColor(0, 0, 128);
constexpr TColor clPurple = RGBColor(128, 0, 128);
constexpr TColor clTeal = RGBColor(0, 128, 128);
constexpr TColor clGray = RGBColor(128, 128, 128);
constexpr TColor clSilver = RGBColor(192, 192, 192);
constexpr TColor clRed = RGBColor(255, 0, 0);
constexpr TColor clLime = RGBColor(0, 255, 0);
constexpr TColor clYellow = RGBColor(255, 255, 0);
constexpr TColor clBlue = RGBColor(0, 0, 255);
constexpr TColor clFuchsia = RGBColor(255, 0, 255);
constexpr TColor clAqua = RGBColor(0, 255, 255);
constexpr TColor clWhite = RGBColor(255, 255, 255);

#include "render/QtColor.h"
#include <array>

namespace
{

// Default values of the Windows system colours, by index.
constexpr std::array<TColor, 31> systemColors = {
    RGBColor(200, 200, 200), // scroll bar
    RGBColor(0, 0, 0),       // desktop
    RGBColor(153, 180, 209), // active caption
    RGBColor(191, 205, 219), // inactive caption
    RGBColor(240, 240, 240), // menu
    RGBColor(255, 255, 255), // window
    RGBColor(100, 100, 100), // window frame
    RGBColor(0, 0, 0),       // menu text
    RGBColor(0, 0, 0),       // window text
    RGBColor(0, 0, 0),       // caption text
    RGBColor(180, 180, 180), // active border
    RGBColor(244, 247, 252), // inactive border
    RGBColor(171, 171, 171), // application workspace
    RGBColor(0, 120, 215),   // highlight
    RGBColor(255, 255, 255), // highlight text
    RGBColor(240, 240, 240), // button face
    RGBColor(160, 160, 160), // button shadow
    RGBColor(109, 109, 109), // grey text
    RGBColor(0, 0, 0),       // button text
    RGBColor(0, 0, 0),       // inactive caption text
    RGBColor(255, 255, 255), // button highlight
    RGBColor(105, 105, 105), // 3D dark shadow
    RGBColor(227, 227, 227), // 3D light
    RGBColor(0, 0, 0),       // tooltip text
    RGBColor(255, 255, 225), // tooltip background
    RGBColor(0, 0, 0),       // (unused)
    RGBColor(0, 102, 204),   // hot-tracked item
    RGBColor(185, 209, 234), // active caption gradient
    RGBColor(215, 228, 242), // inactive caption gradient
    RGBColor(51, 153, 255),  // menu highlight
    RGBColor(240, 240, 240), // menu bar
};

} // namespace

TColor PlainColor(TColor color)
{
    if (color >= 0x80000000u) {
        const TColor index = color & 0xFFFFu;
        return index < systemColors.size() ? systemColors[index] : clBlack;
    }
    return color & 0xFFFFFFu;
}

QColor ToQColor(TColor color)
{
    color = PlainColor(color);
    return QColor(int(RedOf(color)), int(GreenOf(color)), int(BlueOf(color)));
}

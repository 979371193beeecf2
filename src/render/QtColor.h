#pragma once
// TColor to QColor. System colours (0x80000000 + index) map to the classic
// Windows defaults so a page looks the same on every desktop theme; other
// high-byte flags are ignored.
#include "data/TColor.h"
#include <QColor>

QColor ToQColor(TColor color);
// The plain red, green and blue value a colour stands for (a system colour
// resolved, other high-byte flags dropped), as Windows metafiles store it.
TColor PlainColor(TColor color);

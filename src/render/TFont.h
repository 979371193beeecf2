#pragma once
// A font as page elements own it: name, size in points, style set and colour.
#include "data/TColor.h"
#include <QString>

struct TFont {
    QString Name = QStringLiteral("Arial");
    int Size = 10; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    TColor Color = clBlack;

    bool operator==(const TFont &) const = default;
};

#pragma once
// The one place that turns a page font into a Qt font and measures text, so
// that recording (TextExtent) and replay (drawing) agree to the unit.
// A font of P points gets a pixel size of round(P x 96 / 72) page units,
// hinting off: a 30-point "Times New Roman" is 40 units high on any screen.
#include "render/TFont.h"
#include <QFont>
#include <QSize>

class QFontMetricsF;

// Pixel size in page units for a size in points, kept within 1..MaxFontPixels
// so that a corrupt size can neither vanish nor exhaust memory.
int FontPixelSize(int points);
constexpr int MaxFontPixels = 4000;

QFont PageFont(const TFont &font);

// The text cell: width = advance rounded up (long texts measured in pieces,
// at most PageCoordLimit), height = ascent and descent, each rounded up. The baseline lies
// TextAscent below the cell's top.
QSize TextCell(const QFontMetricsF &metrics, QStringView text);
int TextAscent(const QFontMetricsF &metrics);
// The text cell of text written in font, as a canvas measures it.
QSize MeasureText(const TFont &font, const QString &text);

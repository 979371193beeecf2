#include "render/PageFont.h"
#include "data/PageUnits.h"
#include "render/TextPieces.h"
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

int FontPixelSize(int points)
{
    const double pixels = std::nearbyint(double(points) * 96.0 / 72.0);
    return int(std::clamp(pixels, 1.0, double(MaxFontPixels)));
}

QFont PageFont(const TFont &font)
{
    QFont f(font.Name);
    f.setPixelSize(FontPixelSize(font.Size));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setStrikeOut(font.StrikeOut);
    return f;
}

int TextAscent(const QFontMetricsF &metrics)
{
    return int(std::ceil(metrics.ascent()));
}

QSize TextCell(const QFontMetricsF &metrics, QStringView text)
{
    const double advance = std::ceil(TextAdvance(metrics, text));
    const int width = int(std::min(advance, double(PageCoordLimit)));
    return QSize(width, TextAscent(metrics) + int(std::ceil(metrics.descent())));
}

QSize MeasureText(const TFont &font, const QString &text)
{
    return TextCell(QFontMetricsF(PageFont(font)), text);
}

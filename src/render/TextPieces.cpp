#include "render/TextPieces.h"
#include <QFontMetricsF>

qsizetype TextPieceEnd(QStringView text, qsizetype start, qsizetype length)
{
    if (text.size() - start <= length)
        return text.size();
    const qsizetype limit = start + length;
    for (qsizetype end = limit; end > start + length / 2; --end)
        if (text[end - 1] == QLatin1Char(' '))
            return end;
    qsizetype end = limit;
    while (end > start + 1 && (text[end].isLowSurrogate() || text[end].isMark()))
        --end;
    return end;
}

double TextAdvance(const QFontMetricsF &metrics, QStringView text)
{
    // As for a whole text, measuring stops at the first length variant
    // separator.
    if (const qsizetype separator = text.indexOf(QChar(0x9C)); separator >= 0)
        text = text.first(separator);
    double advance = 0;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = TextPieceEnd(text, start, WholeTextLength);
        advance += metrics.horizontalAdvance(text.sliced(start, end - start).toString());
        start = end;
    }
    return advance;
}

QStringView ShownText(const QFontMetricsF &metrics, QStringView text, double x, double right)
{
    if (text.size() <= WholeTextLength)
        return text;
    for (qsizetype start = 0; start < text.size();) {
        const qsizetype end = TextPieceEnd(text, start, WholeTextLength);
        x += metrics.horizontalAdvance(text.sliced(start, end - start).toString());
        if (x >= right)
            return text.first(end);
        start = end;
    }
    return text;
}

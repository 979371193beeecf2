#pragma once
// Long texts are laid out piece by piece: laying out a whole text holds
// tens of bytes per character at once, and its advance overflows the
// engine's fixed-point width past some millions of characters.
#include <QStringView>
#include <QtGlobal>

class QFontMetricsF;

// Texts up to this length are measured and drawn whole.
constexpr qsizetype WholeTextLength = 4096;

// The end of the piece that starts at start: the text's end when at most
// length characters remain, otherwise at most length characters on, after
// a blank in the piece's second half when it holds one, never inside a
// character or before a combining mark.
qsizetype TextPieceEnd(QStringView text, qsizetype start, qsizetype length);

// The text's advance: measured whole up to WholeTextLength characters,
// otherwise the sum of its pieces' advances.
double TextAdvance(const QFontMetricsF &metrics, QStringView text);

// The part of a text drawn from x that a page ending at right shows: a text
// of up to WholeTextLength characters whole, a longer one up to the end of
// its first piece that reaches right, so that what lies beyond the page
// costs neither memory nor room in the file.
QStringView ShownText(const QFontMetricsF &metrics, QStringView text, double x, double right);

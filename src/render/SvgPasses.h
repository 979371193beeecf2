#pragma once
// A large page written as SVG in passes: the generator keeps the text of all
// it draws until it ends, several times over, so a page of a hundred thousand
// drawings would need hundreds of megabytes at once. Each pass draws a stretch
// of the page on a generator of its own; every pass's file has the same head
// (header, defaults, background) and the same tail (the closing state and
// elements), so the stretches between them are the continuous drawing, and
// head, stretches and tail, written one after the other, make the very file a
// single generator would have written.
#include "data/TColor.h"
#include <QBuffer>
#include <QByteArray>
#include <QSize>
#include <memory>

class QIODevice;
class QPainter;
class QSvgGenerator;

class SvgPasses
{
public:
    SvgPasses(QIODevice &out, QSize page, TColor backColor);
    ~SvgPasses();

    // Begins the painter on a new pass's generator and paints the background.
    bool Begin(QPainter &painter);
    // Ends the painter's pass and writes what is known of the file.
    bool End(QPainter &painter, bool last);

private:
    bool writeStretch(const QByteArray &pass, bool last);

    QIODevice &m_out;
    QSize m_page;
    TColor m_backColor;
    std::unique_ptr<QSvgGenerator> m_svg;
    QByteArray m_bytes;
    QBuffer m_buffer;
    QByteArray m_head;
    QByteArray m_tail;
};

#include "render/SvgPasses.h"
#include "render/QtColor.h"
#include "render/SvgFontFamilies.h"
#include "render/XmlSafe.h"
#include <QPainter>
#include <QSvgGenerator>

namespace
{

// The generator closes one state group and opens the next with this.
const QByteArray nextState = "</g>\n\n";

// The head ends where the drawing's first state opens: the background's
// state and the replay's outer state come before it.
qsizetype headSize(const QByteArray &pass)
{
    const qsizetype outer = pass.indexOf(nextState);
    return outer < 0 ? -1 : pass.indexOf(nextState, outer + 1);
}

// The tail starts where the replay's outer state comes back.
qsizetype tailStart(const QByteArray &pass)
{
    return pass.lastIndexOf(nextState);
}

bool write(QIODevice &out, const QByteArray &svg)
{
    const QByteArray page = XmlSafe(WithGenericFontFamilies(svg));
    return out.write(page) == page.size();
}

} // namespace

SvgPasses::SvgPasses(QIODevice &out, QSize page, TColor backColor)
    : m_out(out), m_page(page), m_backColor(backColor), m_buffer(&m_bytes)
{
}

SvgPasses::~SvgPasses() = default;

bool SvgPasses::Begin(QPainter &painter)
{
    m_bytes.clear();
    if (!m_buffer.open(QIODevice::WriteOnly))
        return false;
    m_svg = std::make_unique<QSvgGenerator>();
    m_svg->setOutputDevice(&m_buffer);
    m_svg->setResolution(96);
    m_svg->setSize(m_page);
    m_svg->setViewBox(QRect(QPoint(0, 0), m_page));
    m_svg->setTitle(QStringLiteral("Scolivet"));
    if (!painter.begin(m_svg.get()))
        return false;
    painter.fillRect(QRect(QPoint(0, 0), m_page), ToQColor(m_backColor));
    return true;
}

bool SvgPasses::End(QPainter &painter, bool last)
{
    const bool ended = painter.end();
    m_svg.reset();
    m_buffer.close();
    QByteArray pass;
    pass.swap(m_bytes);
    return ended && writeStretch(pass, last);
}

// The first pass gives the head, the last one the tail; each stretch is
// checked to lie between the same head and tail as the first pass's.
bool SvgPasses::writeStretch(const QByteArray &pass, bool last)
{
    const bool first = m_head.isNull();
    if (first && last)
        return write(m_out, pass);
    const qsizetype head = headSize(pass);
    const qsizetype tail = tailStart(pass);
    if (head < 0 || tail < head)
        return false;
    if (first) {
        m_head = pass.first(head);
        m_tail = pass.sliced(tail);
    } else if (!pass.startsWith(m_head) || !pass.endsWith(m_tail)) {
        return false;
    }
    const qsizetype from = first ? 0 : head;
    const qsizetype to = last ? pass.size() : tail;
    return write(m_out, pass.sliced(from, to - from));
}

#include "render/MetafileWalk.h"
#include "render/PageFont.h"
#include "render/PagePicture.h"
#include "render/TextPieces.h"
#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace
{

constexpr std::uint32_t noIndex = std::numeric_limits<std::uint32_t>::max();

// A font object is the font without its colour.
bool SameFace(const TFont &a, const TFont &b)
{
    TFont c = b;
    c.Color = a.Color;
    return a == c;
}

// Texts up to this length are laid out whole for their advances, longer
// ones in pieces of at most this length.
constexpr qsizetype PieceLength = 256;

class Walker
{
public:
    Walker(const PagePicture &picture, MetafileRecords &out, int firstSlot)
        : m_picture(picture), m_out(out), m_firstSlot(firstSlot)
    {
    }

    int Run()
    {
        for (int i = 0; i < m_picture.Count();)
            i = draw(i);
        return int(m_used.size());
    }

private:
    int draw(int i)
    {
        const PagePicture::Entry &e = m_picture.EntryAt(i);
        const PagePicture::Style &style = m_picture.StyleAt(e.StyleIndex);
        const std::span<const QPoint> pts = m_picture.PointsOf(e);
        if (e.Kind == TPictureOp::Text) {
            drawText(e, style, pts.front());
            return i + 1;
        }
        usePen(style.Pen);
        switch (e.Kind) {
        case TPictureOp::Line: {
            const int next = m_picture.LineRun(i, m_run);
            m_out.Polyline(m_run);
            return next;
        }
        case TPictureOp::Polyline:
            m_out.Polyline(pts);
            break;
        case TPictureOp::PolyBezier:
            m_out.PolyBezier(pts);
            break;
        case TPictureOp::Polygon:
            useBrush(style.Brush);
            m_out.Polygon(pts);
            break;
        case TPictureOp::Rectangle:
        case TPictureOp::Ellipse:
            useBrush(style.Brush);
            box(e.Kind, pts[0], pts[1]);
            break;
        case TPictureOp::Text:
            break;
        }
        return i + 1;
    }

    void box(TPictureOp kind, QPoint a, QPoint b)
    {
        const int left = std::min(a.x(), b.x());
        const int right = std::max(a.x(), b.x());
        const int top = std::min(a.y(), b.y());
        const int bottom = std::max(a.y(), b.y());
        if (left == right || top == bottom)
            return;
        if (kind == TPictureOp::Rectangle)
            m_out.Rectangle(left, top, right, bottom);
        else
            m_out.Ellipse(left, top, right, bottom);
    }

    void drawText(const PagePicture::Entry &e, const PagePicture::Style &style, QPoint topLeft)
    {
        const TFont &font = m_picture.FontAt(style.FontIndex);
        if (style.FontIndex != m_metricsIndex) {
            m_pageFont = PageFont(font);
            m_metrics.emplace(m_pageFont);
            m_metricsIndex = style.FontIndex;
        }
        const QStringView whole = m_picture.TextOf(e);
        const QString text =
            ShownText(*m_metrics, whole, topLeft.x(), m_picture.MFWidth()).toString();
        if (style.Brush.Style == TBrushStyle::bsSolid) {
            const QSize cell = TextCell(*m_metrics, whole);
            usePen(TPen{style.Brush.Color, 1});
            useBrush(style.Brush);
            m_out.Rectangle(topLeft.x(), topLeft.y(), topLeft.x() + cell.width(),
                            topLeft.y() + cell.height());
        }
        useFont(font);
        const QPoint baseline(topLeft.x(), topLeft.y() + TextAscent(*m_metrics));
        m_out.TextOut(baseline, text,
                      m_out.TakesAdvances() ? advances(text) : std::span<const int>());
    }

    // Each character's advance, the page's own layout rounded so that the
    // rounding never adds up along the text. Measuring a position walks its
    // piece of text from the start: a long text is laid out in pieces, so
    // that the work grows with its length, not its square.
    std::span<const int> advances(const QString &text)
    {
        m_advances.assign(std::size_t(text.size()), 0);
        double origin = 0;
        int previous = 0;
        for (qsizetype start = 0; start < text.size();) {
            const qsizetype end = TextPieceEnd(text, start, PieceLength);
            QTextLayout layout(text.mid(start, end - start), m_pageFont);
            layout.beginLayout();
            const QTextLine line = layout.createLine();
            layout.endLayout();
            for (qsizetype i = start; i < end; ++i) {
                if (text[i].isHighSurrogate())
                    continue;
                const int x = int(std::lround(origin + line.cursorToX(int(i + 1 - start))));
                const qsizetype first = i > 0 && text[i].isLowSurrogate() ? i - 1 : i;
                m_advances[std::size_t(first)] = x - previous;
                previous = x;
            }
            origin += line.cursorToX(int(end - start));
            start = end;
        }
        return m_advances;
    }

    void usePen(const TPen &pen)
    {
        if (m_pen && *m_pen == pen)
            return;
        m_pen = pen;
        replace(m_penSlot, [&](int slot) { m_out.CreatePen(slot, pen); });
    }

    void useBrush(const TBrush &brush)
    {
        const bool clear = brush.Style == TBrushStyle::bsClear;
        if (m_brush && (*m_brush == brush || (clear && m_brush->Style == brush.Style)))
            return;
        m_brush = brush;
        if (clear && m_out.SelectNullBrush()) {
            release(m_brushSlot);
            return;
        }
        replace(m_brushSlot, [&](int slot) { m_out.CreateBrush(slot, brush); });
    }

    void useFont(const TFont &font)
    {
        if (!m_font || !SameFace(*m_font, font))
            replace(m_fontSlot, [&](int slot) { m_out.CreateFont(slot, font); });
        if (!m_font || m_font->Color != font.Color)
            m_out.SetTextColor(font.Color);
        m_font = font;
    }

    // The new object is created and selected before the one it replaces is
    // deleted: a reader never deletes the object in use.
    template <typename Create> void replace(int &current, Create create)
    {
        const auto free = std::find(m_used.begin(), m_used.end(), false);
        const int index = int(free - m_used.begin());
        if (free == m_used.end())
            m_used.push_back(true);
        else
            *free = true;
        create(m_firstSlot + index);
        m_out.SelectObject(m_firstSlot + index);
        release(current);
        current = m_firstSlot + index;
    }

    // Deletes the object in the slot, once another took its place.
    void release(int &slot)
    {
        if (slot < 0)
            return;
        m_out.DeleteObject(slot);
        m_used[std::size_t(slot - m_firstSlot)] = false;
        slot = -1;
    }

    const PagePicture &m_picture;
    MetafileRecords &m_out;
    int m_firstSlot;
    std::vector<bool> m_used;
    int m_penSlot = -1;
    int m_brushSlot = -1;
    int m_fontSlot = -1;
    std::optional<TPen> m_pen;
    std::optional<TBrush> m_brush;
    std::optional<TFont> m_font;
    std::uint32_t m_metricsIndex = noIndex;
    QFont m_pageFont;
    std::optional<QFontMetricsF> m_metrics;
    std::vector<QPoint> m_run;
    std::vector<int> m_advances;
};

} // namespace

TLogFont LogFont(const TFont &font, double scale)
{
    TLogFont f;
    f.Height = -std::max(1, int(std::lround(FontPixelSize(font.Size) * scale)));
    f.Weight = font.Bold ? 700 : 400;
    f.Italic = font.Italic;
    f.Underline = font.Underline;
    f.StrikeOut = font.StrikeOut;
    f.FaceName = font.Name.left(31);
    return f;
}

int WalkPicture(const PagePicture &picture, MetafileRecords &out, int firstSlot)
{
    return Walker(picture, out, firstSlot).Run();
}

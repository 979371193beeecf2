#include "render/PagePicture.h"
#include <algorithm>

PagePicture::PagePicture(int width, int height)
{
    SetMFWidth(width);
    SetMFHeight(height);
}

void PagePicture::SetMFWidth(int w)
{
    m_width = std::max(0, w);
}

void PagePicture::SetMFHeight(int h)
{
    m_height = std::max(0, h);
}

void PagePicture::Clear()
{
    m_records.clear();
    m_points.clear();
    m_styles.clear();
    m_fonts.clear();
    m_text.clear();
    m_sharedTexts.clear();
}

void PagePicture::Reset(int width, int height)
{
    Clear();
    SetMFWidth(width);
    SetMFHeight(height);
}

namespace
{

// A page draws in a few styles it keeps coming back to (grid, ticks, labels,
// curves, graph after graph): a style or font is looked for among the last
// ones stored before being stored again.
constexpr std::size_t recentStyles = 32;

template <class T, class Same>
std::uint32_t recentOrAdded(std::vector<T> &stored, const T &value, Same same)
{
    const std::size_t oldest = stored.size() - std::min(stored.size(), recentStyles);
    for (std::size_t i = stored.size(); i > oldest; --i)
        if (same(stored[i - 1], value))
            return std::uint32_t(i - 1);
    stored.push_back(value);
    return std::uint32_t(stored.size() - 1);
}

} // namespace

std::uint32_t PagePicture::styleFor(const TPen &pen, const TBrush &brush, const TFont &font)
{
    const std::uint32_t fontIndex =
        recentOrAdded(m_fonts, font, [](const TFont &a, const TFont &b) { return a == b; });
    return recentOrAdded(
        m_styles, Style{pen, brush, fontIndex}, [](const Style &a, const Style &b) {
            return a.Pen == b.Pen && a.Brush == b.Brush && a.FontIndex == b.FontIndex;
        });
}

void PagePicture::AddShape(TPictureOp kind, std::span<const QPoint> points, const TPen &pen,
                           const TBrush &brush, const TFont &font)
{
    Entry e;
    e.Kind = kind;
    e.First = std::uint32_t(m_points.size());
    e.Count = std::uint32_t(points.size());
    e.StyleIndex = styleFor(pen, brush, font);
    m_points.insert(m_points.end(), points.begin(), points.end());
    m_records.push_back(e);
}

void PagePicture::AddText(QPoint topLeft, const QString &text, const TPen &pen, const TBrush &brush,
                          const TFont &font)
{
    Entry e;
    e.Kind = TPictureOp::Text;
    e.First = std::uint32_t(m_points.size());
    e.Count = 1;
    e.StyleIndex = styleFor(pen, brush, font);
    e.TextLength = std::uint32_t(text.size());
    if (e.TextLength > SharedTextLength) {
        e.TextFirst = std::uint32_t(m_sharedTexts.size());
        m_sharedTexts.push_back(text);
    } else {
        e.TextFirst = std::uint32_t(m_text.size());
        m_text.append(text);
    }
    m_points.push_back(topLeft);
    m_records.push_back(e);
}

std::span<const QPoint> PagePicture::PointsOf(const Entry &e) const
{
    return std::span<const QPoint>(m_points.data() + e.First, e.Count);
}

QStringView PagePicture::TextOf(const Entry &e) const
{
    if (e.TextLength > SharedTextLength)
        return m_sharedTexts[e.TextFirst];
    return QStringView(m_text).mid(e.TextFirst, e.TextLength);
}

int PagePicture::LineRun(int first, std::vector<QPoint> &points) const
{
    const Entry &head = EntryAt(first);
    const std::span<const QPoint> pts = PointsOf(head);
    points.assign(pts.begin(), pts.end());
    int next = first + 1;
    for (; next < Count(); ++next) {
        const Entry &e = EntryAt(next);
        if (e.Kind != TPictureOp::Line || e.StyleIndex != head.StyleIndex)
            break;
        const std::span<const QPoint> seg = PointsOf(e);
        if (seg[0] != points.back())
            break;
        points.push_back(seg[1]);
    }
    return next;
}

PictureRecord PagePicture::At(int index) const
{
    const Entry &e = EntryAt(index);
    const Style &s = m_styles[e.StyleIndex];
    PictureRecord r;
    r.Kind = e.Kind;
    r.Points = PointsOf(e);
    if (e.Kind == TPictureOp::Text)
        r.Text = TextOf(e).toString();
    r.Pen = s.Pen;
    r.Brush = s.Brush;
    r.Font = m_fonts[s.FontIndex];
    return r;
}

std::size_t PagePicture::MemoryBytes() const
{
    return sizeof(*this) + m_records.capacity() * sizeof(Entry) +
           m_points.capacity() * sizeof(QPoint) + m_styles.capacity() * sizeof(Style) +
           m_fonts.capacity() * sizeof(TFont) + std::size_t(m_text.capacity()) * sizeof(QChar) +
           m_sharedTexts.capacity() * sizeof(QString);
}

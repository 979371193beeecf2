#pragma once
// The page picture: a compact display list of canvas calls in page units,
// with the page's logical size MFWidth x MFHeight.
//
// Storage is flat so that a picture of hundreds of thousands of lines costs
// a few arrays, not one allocation per record: every record's points live in
// one shared point array, texts in one shared character buffer, and the
// pen/brush/font in force are kept in small style tables that grow only with
// a style not among the last ones stored.
//
// Reading the records (tests, backends):
//
//     for (const PictureRecord &r : picture)      // or picture.At(i)
//         if (r.Kind == TPictureOp::Line) use(r.Points[0], r.Points[1], r.Pen);
//
// Points per kind:
//   Line        from, to (the pen position before LineTo, then its target)
//   Polyline    every vertex, in order
//   Rectangle   the two corners as given to the canvas
//   Ellipse     the two corners of the bounding box as given
//   Polygon     every vertex, in order (closed implicitly)
//   PolyBezier  start point, then three points per cubic piece
//   Text        the top-left of the text cell; Text holds the string
#include "render/Canvas.h"
#include <QPoint>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <span>
#include <vector>

enum class TPictureOp : std::uint8_t {
    Line,
    Polyline,
    Rectangle,
    Ellipse,
    Polygon,
    PolyBezier,
    Text
};

// One record as read back: a value made on demand from the flat storage.
// Points refer into the picture and stay valid until it is next changed.
struct PictureRecord {
    TPictureOp Kind = TPictureOp::Line;
    std::span<const QPoint> Points;
    QString Text;
    TPen Pen;
    TBrush Brush;
    TFont Font;
};

class PagePicture
{
public:
    PagePicture() = default;
    PagePicture(int width, int height);

    int MFWidth() const { return m_width; }
    int MFHeight() const { return m_height; }
    void SetMFWidth(int w);
    void SetMFHeight(int h);

    // Drops every record and style; the size stays.
    void Clear();
    // Clear and set a new size in one step.
    void Reset(int width, int height);

    bool IsEmpty() const { return m_records.empty(); }
    int Count() const { return int(m_records.size()); }
    PictureRecord At(int index) const;

    // Appends a shape record (any kind but Text) drawn with the given style.
    void AddShape(TPictureOp kind, std::span<const QPoint> points, const TPen &pen,
                  const TBrush &brush, const TFont &font);
    // A text longer than SharedTextLength is kept as the string given (Qt
    // strings share their characters), shorter ones are copied into the
    // picture's character buffer.
    void AddText(QPoint topLeft, const QString &text, const TPen &pen, const TBrush &brush,
                 const TFont &font);
    static constexpr std::uint32_t SharedTextLength = 1024;

    // Totals, for tests and benchmarks.
    std::size_t PointCount() const { return m_points.size(); }
    std::size_t StyleCount() const { return m_styles.size(); }
    std::size_t MemoryBytes() const;

    // Low-level access for backends that walk the list without copying
    // each record's style.
    struct Style {
        TPen Pen;
        TBrush Brush;
        std::uint32_t FontIndex = 0;
    };
    struct Entry {
        std::uint32_t First = 0; // first point
        std::uint32_t Count = 0; // point count
        std::uint32_t StyleIndex = 0;
        // Text only: offset in the text buffer (or, for a text longer than
        // SharedTextLength, index among the shared texts) and length.
        std::uint32_t TextFirst = 0;
        std::uint32_t TextLength = 0;
        TPictureOp Kind = TPictureOp::Line;
    };
    const Entry &EntryAt(int index) const { return m_records[std::size_t(index)]; }
    std::span<const QPoint> PointsOf(const Entry &e) const;
    QStringView TextOf(const Entry &e) const;
    const Style &StyleAt(std::uint32_t index) const { return m_styles[index]; }
    const TFont &FontAt(std::uint32_t index) const { return m_fonts[index]; }
    // The connected run of Line records in one style that starts at the Line
    // record first: fills points with its vertices and returns the index of
    // the record after the run. Backends draw such a run as one polyline.
    int LineRun(int first, std::vector<QPoint> &points) const;

    class const_iterator
    {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = PictureRecord;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = PictureRecord;

        const_iterator(const PagePicture *p, int i) : m_picture(p), m_index(i) {}
        PictureRecord operator*() const { return m_picture->At(m_index); }
        const_iterator &operator++()
        {
            ++m_index;
            return *this;
        }
        bool operator==(const const_iterator &o) const { return m_index == o.m_index; }

    private:
        const PagePicture *m_picture;
        int m_index;
    };
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, Count()}; }

private:
    std::uint32_t styleFor(const TPen &pen, const TBrush &brush, const TFont &font);

    int m_width = 0;
    int m_height = 0;
    std::vector<Entry> m_records;
    std::vector<QPoint> m_points;
    std::vector<Style> m_styles;
    std::vector<TFont> m_fonts;
    QString m_text;
    std::vector<QString> m_sharedTexts;
};

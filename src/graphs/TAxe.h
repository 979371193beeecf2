#pragma once
// Base of every graph on a page: a frame in page units, a value scale on
// each axis, axis and grid styling, the font of the graduation labels and the
// ordered list of elements (curves and annotations) that the graph owns.
#include "data/TColor.h"
#include "graphs/AxisMap.h"
#include "render/TFont.h"
#include <QString>
#include <memory>
#include <vector>

class Canvas;
class DocumentReader;
class DocumentWriter;
class TDatas;
class TIsisGraph;
class TSmallGraph;

class TAxe
{
public:
    virtual ~TAxe();
    TAxe(const TAxe &) = delete;
    TAxe &operator=(const TAxe &) = delete;

    TIsisGraph *Page() const { return m_page; }
    TDatas *Datas;

    double YMax = 0;
    double XMin = 0;
    double YMin = 0;
    double XMax = 0;
    // Logarithmic scales; one whose limits are not both above zero is laid
    // out linearly until they are, and a screen in raw codes always is.
    bool LogX = false;
    bool LogY = false;
    int Left = 0;
    int Top = 0;
    TColor ColorQuadri = clSilver;
    int EpaisQuadri = 1;
    int EpaisAxe = 2;
    TColor ColorAxe = clBlack;
    // Curve-name labels placed so far; the label constructor takes the next slot.
    int LabelCount = 0;
    TFont FontGrad{QStringLiteral("Times New Roman"), 30};

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    int Right() const { return Left + m_width; }
    int Bottom() const { return Top + m_height; }
    // Rescale the annotations' horizontal (vertical) placement with the frame.
    virtual void SetWidth(int w);
    void SetHeight(int h);

    // Index of the abscissa series; setting it takes that series' range as
    // the X scale.
    int AxeX() const { return m_axeX; }
    void SetAxeX(int i);

    // Elements in drawing order: index 0 lies underneath. The graph owns them.
    int ElementCount() const { return int(m_elements.size()); }
    const std::vector<TSmallGraph *> &Elements() const { return m_elements; }
    // Takes e over at the end (front) of the list, or at its start (back).
    template <class T> T *AddElement(std::unique_ptr<T> e)
    {
        T *raw = e.get();
        adopt(std::move(e), false);
        return raw;
    }
    template <class T> T *InsertElement(std::unique_ptr<T> e)
    {
        T *raw = e.get();
        adopt(std::move(e), true);
        return raw;
    }
    // Takes e out of the list and hands it back; null when e is not in it.
    std::unique_ptr<TSmallGraph> RemoveElement(TSmallGraph *e);
    // Takes e out of the list and frees it; nothing when e is not in it.
    void DeleteElement(TSmallGraph *e);
    // Shrinking frees the entries from n on; growing adds empty entries.
    void SetElementCount(int n);
    // Elements whose hit test holds at the page point, top-most first.
    std::vector<TSmallGraph *> ElementsAt(int x, int y) const;

    // Graph values <-> page units, inside the frame less the page's margin.
    int XToPage(double x) const;
    int YToPage(double y) const;
    // Values beyond the scale land on the margin lines.
    int XToPageClipped(double x) const;
    int YToPageClipped(double y) const;
    // The same mappings as values, for loops over many points.
    TAxisMap XMap() const;
    TAxisMap YMap() const;
    double PageToX(int px) const;
    double PageToY(int py) const;
    // Control pixels -> graph values, through the page view.
    double ScreenToX(int sx) const;
    double ScreenToY(int sy) const;

    // Whether the scales count raw instrument codes (an oscilloscope screen)
    // rather than series values.
    virtual bool RawCodes() const { return false; }

    virtual void Draw(Canvas &canvas) = 0;
    virtual void Edit() = 0;
    // What the graph is, with its article, as the names of changes say it.
    virtual QString Designation() const = 0;
    // Appends the graph's document block: its type keyword, its own fields,
    // then the common lines (SaveAxe).
    virtual void SaveToStrings(DocumentWriter &out) const = 0;
    // Value under a control pixel, as shown in the status bar.
    virtual QString CursorXText(int sx) const = 0;
    virtual QString CursorYText(int sy) const = 0;

protected:
    // The lines every graph writes after its own: AxeX, FontGrad, ColorAxe,
    // ColorQuadri, EpaisAxe, EpaisQuadri, Left, Top, Height, Width, XMax,
    // XMin, YMax, YMin, the element count and each element's block.
    void SaveAxe(DocumentWriter &out) const;
    // Reads them back, AxeX through SetAxeX, Height and Width through their
    // setters, the elements by their keywords. AxeX must designate a series
    // (or be 0 on a page without series) and so must every curve and legend.
    void LoadAxe(DocumentReader &in);

    explicit TAxe(TIsisGraph *page);

    // The page's relative margin.
    double Marge() const;

    int m_axeX = 0;

private:
    void adopt(std::unique_ptr<TSmallGraph> e, bool atStart);

    TIsisGraph *m_page;
    int m_width;
    int m_height = 1500;
    std::vector<TSmallGraph *> m_elements;
};

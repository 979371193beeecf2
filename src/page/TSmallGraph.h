#pragma once
// Base of every element a graph holds in its element list: curves and
// annotations. It carries the owner graph, a colour and a font, and the
// helpers that read the owner's frame and scales and decide whether a page
// point lies near a shape.
#include "data/TColor.h"
#include "data/TSeriesSet.h"
#include "render/TFont.h"
#include <string_view>

class Canvas;
class DocumentWriter;
class TAxe;
class TData;
class TCourbe;
class TDatas;
class TDessin;
class TIsisGraph;

class TSmallGraph
{
public:
    // Takes the series collection from the owner and the current style
    // (colour, font) from the owner's page.
    explicit TSmallGraph(TAxe *owner);
    virtual ~TSmallGraph();
    TSmallGraph(const TSmallGraph &) = delete;
    TSmallGraph &operator=(const TSmallGraph &) = delete;

    TDatas *Datas;
    TColor Color;
    TFont Font;
    TAxe *Owner;

    virtual TColor GetColor() const;
    virtual void SetColor(TColor value);
    virtual void Draw(Canvas &canvas) = 0;
    // Page point in page units.
    virtual bool HitTest(int x, int y) const = 0;
    virtual int GetCursor() const = 0;
    virtual void Edit() = 0;
    // Appends the element's document block: its type keyword, then its
    // fields. Each class reads the same lines back after its keyword.
    virtual void SaveToStrings(DocumentWriter &out) const = 0;
    // The annotation this element is, or nullptr for a curve.
    virtual TDessin *AsDessin() { return nullptr; }
    // The curve this element is, or nullptr for an annotation.
    virtual TCourbe *AsCourbe() { return nullptr; }
    // What the element is, with its article, as the names of changes say
    // it: "le texte", "la courbe".
    virtual QString Designation() const = 0;
    // Follow the owner graph's width (height) growing by the factor f;
    // only annotations move with it.
    virtual void ScaleX(double) {}
    virtual void ScaleY(double) {}

    // Owner accessors.
    TIsisGraph *Page() const;
    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    int Bottom() const;
    double XMin() const;
    double XMax() const;
    double YMin() const;
    double YMax() const;
    int XToPage(double x) const;
    int XToPageClipped(double x) const;
    int YToPage(double y) const;
    int YToPageClipped(double y) const;
    double PageToX(int px) const;
    double PageToY(int py) const;

    // Series the owner displays, and the index of its abscissa series.
    TSeriesSet ShownSeries() const;
    int OwnerAxeX() const;

    int ScreenX(int px) const;
    int ScreenY(int py) const;

    // Five screen pixels in page units at the page's current zoom.
    double Tolerance() const;
    bool Between(int v, int a, int b) const;
    static double LineDistance(int x, int y, int x1, int y1, int x2, int y2);
    bool NearSegment(int x, int y, int x1, int y1, int x2, int y2) const;

protected:
    // Elements drawn from a series keep their colour in it, so that a curve
    // and its legend change together; without the series, their own Color.
    TColor ColorOf(const TData *serie) const;
    void SetColorOf(TData *serie, TColor value);
};

#pragma once
// Minimal graphs and elements for exercising the page view: boxes in page
// units whose hit tests and pointer shapes are chosen by the test.
#include "annotations/TDessin.h"
#include "graphs/TAxe.h"
#include "page/TIsisGraph.h"
#include "page/TSmallGraph.h"
#include "render/Canvas.h"
#include <QRect>

// A graph that draws its frame and remembers the brush it was handed.
class FrameGraph : public TAxe
{
public:
    FrameGraph(TIsisGraph *page, int height) : TAxe(page) { SetHeight(height); }

    void Draw(Canvas &canvas) override
    {
        BrushAtDraw = canvas.Brush.Style;
        canvas.Rectangle(Left, Top, Right(), Bottom());
    }
    void Edit() override {}
    void SaveToStrings(DocumentWriter &) const override {}
    QString Designation() const override { return {}; }
    QString CursorXText(int) const override { return {}; }
    QString CursorYText(int) const override { return {}; }

    TBrushStyle BrushAtDraw = TBrushStyle::bsSolid;
};

// An element that is not an annotation (like a curve).
class BoxElement : public TSmallGraph
{
public:
    BoxElement(TAxe *owner, QRect box, int cursor)
        : TSmallGraph(owner), m_box(box), m_cursor(cursor)
    {
    }
    void Draw(Canvas &) override {}
    bool HitTest(int x, int y) const override { return m_box.contains(x, y); }
    int GetCursor() const override { return m_cursor; }
    void Edit() override {}
    void SaveToStrings(DocumentWriter &) const override {}
    QString Designation() const override { return {}; }

private:
    QRect m_box;
    int m_cursor;
};

// An annotation whose anchor is the graph's lower-left corner shifted by
// (DX, DY) and whose selection frame joins its anchor and second point.
class BoxDessin : public TDessin
{
public:
    BoxDessin(TAxe *owner, QRect box, int cursor, bool sizeHandle = true)
        : TDessin(owner), m_box(box), m_cursor(cursor), m_sizeHandle(sizeHandle)
    {
    }
    void Draw(Canvas &) override {}
    bool HitTest(int x, int y) const override { return m_box.contains(x, y); }
    int GetCursor() const override { return m_cursor; }
    void Edit() override {}
    void SaveToStrings(DocumentWriter &) const override {}
    QString Designation() const override { return {}; }
    void DrawSelection(Canvas &screen, int offX, int offY) const override
    {
        const QPoint a = GetScreenPoint();
        const QPoint b(ScreenX(GetX2()), ScreenY(GetY2()));
        DrawFrame(screen, a.x() + offX, a.y() + offY, b.x() + offX, b.y() + offY);
    }
    void DrawSizing(Canvas &, int, int) const override {}
    QPoint GetSizeHandle() const override
    {
        return m_sizeHandle ? TDessin::GetSizeHandle() : QPoint(-1, -1);
    }

private:
    QRect m_box;
    int m_cursor;
    bool m_sizeHandle;
};

#include "page/TIsisGraph.h"

#include "annotations/TDessin.h"
#include "data/TDatas.h"
#include "dialogs/DialogSet.h"
#include "graphs/PageRound.h"
#include "graphs/TAxe.h"
#include "graphs/TMath.h"
#include "page/PointerShapes.h"
#include "render/PagePicture.h"
#include "render/MeasuringCanvas.h"
#include "render/RecordingCanvas.h"

#include <algorithm>

TIsisGraph::TIsisGraph(QWidget *parent)
    : TGraphEMF(parent), Datas(std::make_unique<TDatas>()),
      m_dialogs(std::make_unique<TDialogSet>(this))
{
    m_history.Start(snapshot());
}

TIsisGraph::~TIsisGraph()
{
    // Graphs first (they free their elements), then the series they refer to.
    m_selected = nullptr;
    m_graphs.clear();
    m_replaced.clear();
    Datas.reset();
}

int TIsisGraph::MFHeight() const
{
    int sum = 0;
    bool any = false;
    for (const auto &g : m_graphs) {
        if (g) {
            sum += g->Height();
            any = true;
        }
    }
    return any ? sum : TGraphEMF::MFHeight();
}

void TIsisGraph::SetMFHeight(int v)
{
    restack(v);
}

void TIsisGraph::SetMFWidth(int v)
{
    TGraphEMF::SetMFWidth(v);
    for (const auto &g : m_graphs) {
        if (g)
            g->SetWidth(v);
    }
}

void TIsisGraph::restack(int height)
{
    int present = 0;
    double total = 0;
    for (const auto &g : m_graphs) {
        if (g) {
            ++present;
            total += g->Height();
        }
    }
    if (present == 0) {
        TGraphEMF::SetMFHeight(height);
        return;
    }
    int top = 0;
    for (const auto &g : m_graphs) {
        if (!g)
            continue;
        // Graphs of no height at all share the page equally.
        const double share =
            total > 0 ? g->Height() * double(height) / total : double(height) / present;
        g->SetHeight(RoundPage(share));
        g->Top = top;
        top += g->Height();
    }
    TGraphEMF::SetMFHeight(top);
}

TAxe *TIsisGraph::Graphs(int i) const
{
    if (i < 0 || i >= GraphCount())
        return nullptr;
    return m_graphs[std::size_t(i)].get();
}

void TIsisGraph::releaseSelectionIn(const TAxe *graph)
{
    if (graph && m_selected && m_selected->Owner == graph)
        SetSelected(nullptr);
}

void TIsisGraph::SetGraphCount(int n)
{
    n = std::max(n, 0);
    for (int i = n; i < GraphCount(); ++i)
        releaseSelectionIn(Graphs(i));
    m_graphs.resize(std::size_t(n));
}

void TIsisGraph::SetGraphs(int i, std::unique_ptr<TAxe> graph)
{
    if (i < 0 || i >= GraphCount())
        return;
    releaseSelectionIn(Graphs(i));
    m_graphs[std::size_t(i)] = std::move(graph);
}

TAxe *TIsisGraph::AppendGraph(std::unique_ptr<TAxe> graph)
{
    m_graphs.push_back(std::move(graph));
    return m_graphs.back().get();
}

void TIsisGraph::AddGraph()
{
    AppendGraph(std::unique_ptr<TAxe>(TMath::CreateFromDatas(this, Datas->AllButFirst(), 0)));
    SetMFHeight(MFHeight());
    MarkModified(QStringLiteral("ajouter un graphe"));
}

void TIsisGraph::DeleteGraph(int i)
{
    const TAxe *g = Graphs(i);
    if (!g)
        return;
    const QString change = QStringLiteral("supprimer ") + g->Designation();
    releaseSelectionIn(g);
    m_graphs.erase(m_graphs.begin() + i);
    SetMFHeight(MFHeight());
    MarkModified(change);
}

int TIsisGraph::GraphIndexAt(int px, int py) const
{
    for (int i = GraphCount() - 1; i >= 0; --i) {
        const TAxe *g = Graphs(i);
        if (g && g->Left <= px && px <= g->Right() && g->Top <= py && py <= g->Bottom())
            return i;
    }
    return -1;
}

int TIsisGraph::GraphIndexAtScreen(int sx, int sy) const
{
    return GraphIndexAt(PageX(sx), PageY(sy));
}

TDessin *TIsisGraph::ElementAt(int sx, int sy) const
{
    const int px = PageX(sx);
    const int py = PageY(sy);
    const TAxe *g = Graphs(GraphIndexAt(px, py));
    if (!g)
        return nullptr;
    const auto &elements = g->Elements();
    for (auto it = elements.rbegin(); it != elements.rend(); ++it) {
        TDessin *d = *it ? (*it)->AsDessin() : nullptr;
        if (d && d->HitTest(px, py))
            return d;
    }
    return nullptr;
}

int TIsisGraph::CursorAt(int sx, int sy) const
{
    const int px = PageX(sx);
    const int py = PageY(sy);
    const TAxe *g = Graphs(GraphIndexAt(px, py));
    if (!g)
        return crPage;
    const auto under = g->ElementsAt(px, py);
    if (under.empty())
        return crGraphe;
    if (under.size() == 1)
        return under.front()->GetCursor();
    return crIntersection;
}

void TIsisGraph::EditAt(int sx, int sy)
{
    const int px = PageX(sx);
    const int py = PageY(sy);
    TAxe *g = Graphs(GraphIndexAt(px, py));
    if (!g) {
        if (GraphCount() > 0)
            EditPage();
        return;
    }
    const auto under = g->ElementsAt(px, py);
    if (under.empty()) {
        g->Edit();
        MarkModified(QStringLiteral("modifier ") + g->Designation());
    } else {
        under.front()->Edit();
        MarkModified(QStringLiteral("modifier ") + under.front()->Designation());
    }
}

namespace
{

// Handles are 5 pixels wide: strict horizontally, inclusive vertically.
bool onHandle(QPoint h, int sx, int sy)
{
    return h.x() - 2 < sx && sx < h.x() + 2 && h.y() - 2 <= sy && sy <= h.y() + 2;
}

} // namespace

bool TIsisGraph::OnMoveHandle(int sx, int sy) const
{
    return m_selected && onHandle(m_selected->GetScreenPoint(), sx, sy);
}

bool TIsisGraph::OnSizeHandle(int sx, int sy) const
{
    if (!m_selected)
        return false;
    const QPoint h = m_selected->GetSizeHandle();
    return h != QPoint(-1, -1) && onHandle(h, sx, sy);
}

void TIsisGraph::SetSelected(TDessin *p)
{
    if (p == m_selected)
        return;
    m_selected = p;
    emit SelectedChange(this, p);
    RepaintNow();
}

void TIsisGraph::RenderPage()
{
    PagePicture &picture = Picture();
    picture.Reset(MFWidth(), MFHeight());
    {
        RecordingCanvas canvas(picture);
        // A white page stays unpainted: the picture is transparent there.
        if (BackColor != clWhite) {
            canvas.Pen = {BackColor, 1};
            canvas.Brush = {BackColor, TBrushStyle::bsSolid};
            canvas.Rectangle(0, 0, MFWidth(), MFHeight());
        }
        canvas.Brush.Style = TBrushStyle::bsClear;
        for (const auto &g : m_graphs) {
            if (g)
                g->Draw(canvas);
        }
    }
    PictureChanged();
}

void TIsisGraph::Redraw()
{
    if (m_conversion)
        return;
    RenderPage();
    RepaintNow();
}

void TIsisGraph::MeasurePage()
{
    MeasuringCanvas canvas;
    canvas.Brush.Style = TBrushStyle::bsClear;
    for (const auto &g : m_graphs) {
        if (g)
            g->Draw(canvas);
    }
}

void TIsisGraph::PaintMarks(Canvas &screen)
{
    if (m_selected)
        m_selected->DrawSelection(screen, 0, 0);
}

void TIsisGraph::TrackMouse(int x, int y)
{
    if (TrackCursor)
        SetCursorShape(CursorAt(x, y));
}

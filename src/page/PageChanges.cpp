// The page view's change point and its undo history. Each state is the
// page's lines without the series samples, which no edit changes: undoing
// rebuilds the graphs and their elements against the same series.
#include "data/DocumentReader.h"
#include "data/DocumentSection.h"
#include "data/DocumentWriter.h"
#include "data/EConvertError.h"
#include "data/TData.h"
#include "data/TDatas.h"
#include "dialogs/Prompts.h"
#include "graphs/TAxe.h"
#include "graphs/TCourbe.h"
#include "page/PageExtras.h"
#include "page/TIsisGraph.h"
#include <algorithm>
#include <new>

namespace
{

std::vector<TCourbe *> CurvesOf(const TAxe &graph)
{
    std::vector<TCourbe *> curves;
    for (TSmallGraph *e : graph.Elements())
        if (TCourbe *c = e ? e->AsCourbe() : nullptr)
            curves.push_back(c);
    return curves;
}

// Curves rebuilt from a state take over the recordings of the curves of the
// same series in the graph at the same place, on the page or among the graphs
// the last undo or redo replaced. A recording is replayed only when
// everything it was drawn from is unchanged, so a poor pairing costs time,
// never a wrong picture.
void HandOverRecordings(const std::vector<std::unique_ptr<TAxe>> &shown,
                        const std::vector<std::unique_ptr<TAxe>> &replaced,
                        const std::vector<std::unique_ptr<TAxe>> &to)
{
    for (std::size_t i = 0; i < to.size(); ++i) {
        if (!to[i])
            continue;
        std::vector<TCourbe *> old;
        for (const auto *from : {&shown, &replaced})
            if (i < from->size() && (*from)[i])
                for (TCourbe *c : CurvesOf(*(*from)[i]))
                    old.push_back(c);
        for (TCourbe *fresh : CurvesOf(*to[i])) {
            const auto same = std::find_if(old.begin(), old.end(), [&](const TCourbe *c) {
                return c->SerieIndex == fresh->SerieIndex;
            });
            if (same != old.end()) {
                fresh->SwapRecording(**same);
                old.erase(same);
            }
        }
    }
}

struct SeriesHeader {
    QString Name;
    QString Unit;
    TColor Color;
};

} // namespace

void TIsisGraph::MarkModified(const QString &change)
{
    if (m_history.Record(change, settledSnapshot()))
        emit HistoryChange();
}

void TIsisGraph::ClearModified()
{
    m_history.MarkSaved();
    emit HistoryChange();
}

void TIsisGraph::MarkUnsaved()
{
    m_history.MarkUnsaved();
    emit HistoryChange();
}

void TIsisGraph::startHistory()
{
    m_replaced.clear();
    m_history.Start(m_conversion ? QByteArray() : settledSnapshot());
    emit HistoryChange();
}

void TIsisGraph::Undo()
{
    if (m_history.CanUndo())
        travel(m_history.UndoState(), &TPageHistory::Undo);
}

void TIsisGraph::Redo()
{
    if (m_history.CanRedo())
        travel(m_history.RedoState(), &TPageHistory::Redo);
}

void TIsisGraph::travel(const QByteArray &state, void (TPageHistory::*move)())
{
    const QString error = restore(state);
    if (!error.isEmpty()) {
        ShowError(error, this);
        return;
    }
    (m_history.*move)();
    emit HistoryChange();
}

QByteArray TIsisGraph::snapshot() const
{
    return DocumentBytes([this](DocumentWriter &out) {
        // Edits change a series' name, unit and colour, never its samples.
        for (const std::unique_ptr<TData> &s : Datas->Items) {
            out.WriteText(s->Name);
            out.WriteText(s->Unit);
            out.WriteColor(s->Color);
        }
        writeAxes(out);
        WriteSection(out, PageExtraEntries(*this));
    });
}

QByteArray TIsisGraph::settledSnapshot()
{
    // Texts keep the size they were drawn at: draw first, so that the state
    // holds the sizes of the page as shown (the caller's Redraw then only
    // replays the curves).
    RenderPage();
    return snapshot();
}

QString TIsisGraph::restore(const QByteArray &state)
{
    try {
        DocumentReader in(std::string_view(state.constData(), std::size_t(state.size())));
        std::vector<SeriesHeader> headers(std::size_t(Datas->Count()));
        for (SeriesHeader &h : headers)
            h = {in.ReadText(), in.ReadText(), in.ReadColor()};
        const int width = in.ReadInt(PageSize);
        const TColor back = in.ReadColor();
        std::vector<std::unique_ptr<TAxe>> graphs = readGraphs(Datas.get(), in);
        const TPageExtras extras = ReadPageExtras(in);

        SetSelected(nullptr);
        for (std::size_t i = 0; i < headers.size(); ++i) {
            TData &s = *Datas->Items[i];
            s.Name = headers[i].Name;
            s.Unit = headers[i].Unit;
            s.Color = headers[i].Color;
        }
        ApplyPageExtras(*this, graphs, extras);
        BackColor = back;
        HandOverRecordings(m_graphs, m_replaced, graphs);
        m_replaced = std::move(m_graphs);
        m_graphs.clear();
        SetMFWidth(width);
        for (std::unique_ptr<TAxe> &g : graphs)
            AppendGraph(std::move(g));
        SetMFHeight(MFHeight());
        ApplyMarkedValues(*this, extras);
        Redraw();
        return {};
    } catch (const EConvertError &e) {
        return e.Message();
    } catch (const std::bad_alloc &) {
        return QStringLiteral("Mémoire insuffisante pour remettre la page dans cet état.");
    }
}

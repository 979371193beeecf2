#include "page/PageExtras.h"

#include "annotations/Marker.h"
#include "data/DocumentReader.h"
#include "graphs/TAxe.h"
#include "page/TIsisGraph.h"
#include <charconv>
#include <string>
#include <tuple>

namespace
{

// A key split into the graph and element it names (from 1, 0 for none) and
// the name that remains: "Graphe 1 Element 3 Valeur" is 1, 3, "Valeur".
struct TKey {
    std::size_t Graph = 0;
    std::size_t Element = 0;
    std::string_view Name;
};

// "word N " at the front of rest, N from 1: N, and rest loses it; else 0.
std::size_t TakeNumbered(std::string_view &rest, std::string_view word)
{
    if (rest.size() <= word.size() || rest.substr(0, word.size()) != word ||
        rest[word.size()] != ' ')
        return 0;
    const char *end = rest.data() + rest.size();
    std::size_t n = 0;
    const auto r = std::from_chars(rest.data() + word.size() + 1, end, n);
    if (r.ec != std::errc() || n == 0 || r.ptr == end || *r.ptr != ' ')
        return 0;
    rest = std::string_view(r.ptr + 1, std::size_t(end - r.ptr - 1));
    return n;
}

TKey ParseKey(std::string_view key)
{
    TKey k;
    k.Graph = TakeNumbered(key, "Graphe");
    if (k.Graph > 0)
        k.Element = TakeNumbered(key, "Element");
    k.Name = key;
    return k;
}

std::string GraphKey(std::size_t graph, std::string_view name)
{
    return "Graphe " + std::to_string(graph) + ' ' + std::string(name);
}

std::string ElementKey(std::size_t graph, std::size_t element, std::string_view name)
{
    return GraphKey(graph, "Element " + std::to_string(element) + ' ' + std::string(name));
}

// Graphs and elements as the document lists them: the empty places left out.
template <class F> void ForEachElement(const TIsisGraph &page, F &&visit)
{
    std::size_t g = 0;
    for (int i = 0; i < page.GraphCount(); ++i) {
        const TAxe *graph = page.Graphs(i);
        if (!graph)
            continue;
        std::size_t e = 0;
        for (TSmallGraph *element : graph->Elements())
            if (element)
                visit(g, e++, *element);
        ++g;
    }
}

TMarker *MarkerOf(TSmallGraph &element)
{
    TDessin *d = element.AsDessin();
    return d ? d->AsMarker() : nullptr;
}

double Margin(const DocumentReader &in, std::string_view text)
{
    const double m = in.RealOf(text);
    if (!(m >= TIsisGraph::MinMarge && m <= TIsisGraph::MaxMarge))
        in.Fail(QStringLiteral("la marge %1 n'est pas comprise entre 0,02 et 0,4")
                    .arg(in.Decode(text)));
    return m;
}

} // namespace

std::vector<TSectionEntry> PageExtraEntries(const TIsisGraph &page)
{
    std::vector<TSectionEntry> entries;
    if (page.Marge != TIsisGraph::DefaultMarge)
        entries.push_back({"Marge", page.Marge});
    std::size_t g = 0;
    for (int i = 0; i < page.GraphCount(); ++i) {
        const TAxe *graph = page.Graphs(i);
        if (!graph)
            continue;
        ++g;
        if (graph->LogX)
            entries.push_back({GraphKey(g, "LogX"), 1});
        if (graph->LogY)
            entries.push_back({GraphKey(g, "LogY"), 1});
    }
    ForEachElement(page, [&](std::size_t g, std::size_t e, TSmallGraph &element) {
        // NaN differs from itself: such a value is kept too.
        if (const TMarker *m = MarkerOf(element); m && !(m->StackedValue() == m->MarkedValue()))
            entries.push_back({ElementKey(g + 1, e + 1, "Valeur"), m->MarkedValue()});
    });
    return entries;
}

TPageExtras ReadPageExtras(DocumentReader &in)
{
    TPageExtras extras{TIsisGraph::DefaultMarge, {}, {}};
    ReadSection(in, [&](std::string_view key, std::string_view value) {
        const TKey k = ParseKey(key);
        if (k.Graph == 0 && k.Name == "Marge")
            extras.Marge = Margin(in, value);
        else if (k.Graph > 0 && k.Element == 0 && k.Name == "LogX")
            extras.LogScales[k.Graph - 1].first = in.RealOf(value) != 0;
        else if (k.Graph > 0 && k.Element == 0 && k.Name == "LogY")
            extras.LogScales[k.Graph - 1].second = in.RealOf(value) != 0;
        else if (k.Element > 0 && k.Name == "Valeur")
            extras.Values[{k.Graph - 1, k.Element - 1}] = in.RealOf(value);
    });
    return extras;
}

void ApplyPageExtras(TIsisGraph &page, const std::vector<std::unique_ptr<TAxe>> &graphs,
                     const TPageExtras &extras)
{
    page.Marge = extras.Marge;
    std::size_t g = 0;
    for (const std::unique_ptr<TAxe> &graph : graphs) {
        if (!graph)
            continue;
        if (const auto log = extras.LogScales.find(g++); log != extras.LogScales.end())
            std::tie(graph->LogX, graph->LogY) = log->second;
    }
}

void ApplyMarkedValues(TIsisGraph &page, const TPageExtras &extras)
{
    ForEachElement(page, [&](std::size_t g, std::size_t e, TSmallGraph &element) {
        const auto v = extras.Values.find({g, e});
        if (TMarker *m = MarkerOf(element); m && v != extras.Values.end())
            m->SetMarkedValue(v->second);
    });
}

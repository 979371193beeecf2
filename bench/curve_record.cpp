// links: scolivet_graphs
// Recording one curve of many samples into the page picture, as RenderPage
// does for each curve: a noisy sine (every sample inside the scale) and a
// logic series, on an XY graph 3000 page units wide. Reports the points the
// picture keeps, which stay proportional to the page width.
//   curve_record [benchmark options]
#include "BenchMain.h"
#include "data/UData.h"
#include "graphs/TCourbe.h"
#include "graphs/TMath.h"
#include "page/TIsisGraph.h"
#include "render/PagePicture.h"
#include "render/RecordingCanvas.h"
#include <QApplication>
#include <cmath>
#include <memory>
#include <random>

namespace
{

void fill(TIsisGraph &page, int n)
{
    std::mt19937 rng(1);
    std::normal_distribution<double> noise(0, 0.01);
    auto t = std::make_unique<TDataAnalog>();
    auto v = std::make_unique<TDataAnalog>();
    auto d = std::make_unique<TDataLogic>();
    t->SetCount(n);
    v->SetCount(n);
    d->SetCount(n);
    for (int i = 0; i < n; ++i) {
        t->SetValue(i, i * 1e-6);
        v->SetValue(i, 5 * std::sin(i * 6e-5) + noise(rng));
        d->SetState(i, (i / 20011) % 2 ? 1 : 7);
    }
    page.Datas->Add(std::move(t));
    page.Datas->Add(std::move(v));
    page.Datas->Add(std::move(d));
}

void recordCurve(benchmark::State &state, int serie)
{
    TIsisGraph page;
    fill(page, int(state.range(0)));
    std::unique_ptr<TMath> graph(TMath::CreateFromDatas(&page, {serie}, 0));
    TCourbe *curve = nullptr;
    for (TSmallGraph *e : graph->Elements())
        if (auto *c = dynamic_cast<TCourbe *>(e))
            curve = c;
    PagePicture picture(page.MFWidth(), 1500);
    for (auto _ : state) {
        picture.Clear();
        RecordingCanvas canvas(picture);
        curve->Draw(canvas);
        benchmark::DoNotOptimize(picture.PointCount());
    }
    state.counters["points"] = double(picture.PointCount());
    state.counters["records"] = picture.Count();
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_AnalogCurve(benchmark::State &state)
{
    recordCurve(state, 1);
}

void BM_LogicCurve(benchmark::State &state)
{
    recordCurve(state, 2);
}

} // namespace

BENCHMARK(BM_AnalogCurve)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LogicCurve)->Arg(1000000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    return RunBenchmarks<QApplication>(argc, argv);
}

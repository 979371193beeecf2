// links: scolivet_render
// Cost of writing a page picture for word processors: EMF and placeable WMF
// bytes, and the PDF file, for a page like the import of a million samples
// (four curves reduced to a few points per column, graduation texts), and
// both metafiles of a page holding one long text.
#include "BenchMain.h"
#include "render/EmfWriter.h"
#include "render/PageExport.h"
#include "render/RecordingCanvas.h"
#include "render/WmfWriter.h"
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cmath>

namespace
{

const PagePicture &curvePage()
{
    static const PagePicture picture = [] {
        PagePicture p(2000, 1500);
        RecordingCanvas canvas(p);
        for (int curve = 0; curve < 4; ++curve) {
            canvas.Pen = {TColor(0x3F << (curve * 4)), 1 + curve % 2};
            canvas.MoveTo(100, 750);
            for (int x = 100; x < 1900; ++x)
                for (int k = 0; k < 4; ++k)
                    canvas.LineTo(x, 750 + int(std::lround(
                                               600 * std::sin(x * 0.01 * (curve + 1) + k * 0.7))));
        }
        for (int i = 0; i < 60; ++i)
            canvas.TextOut(40 + (i % 20) * 95, 1400 + (i / 20) * 30, QStringLiteral("1,25m"));
        return p;
    }();
    return picture;
}

void BM_WriteEmf(benchmark::State &state)
{
    QByteArray bytes;
    for (auto _ : state)
        bytes = WriteEmf(curvePage());
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_WriteEmf)->Unit(benchmark::kMillisecond);

void BM_WriteWmf(benchmark::State &state)
{
    QByteArray bytes;
    for (auto _ : state)
        bytes = WritePlaceableWmf(curvePage());
    state.counters["bytes"] = double(bytes.size());
}
BENCHMARK(BM_WriteWmf)->Unit(benchmark::kMillisecond);

// One text line of state.range(0) characters: words of a few letters.
PagePicture longTextPage(int characters)
{
    QString text;
    text.reserve(characters);
    for (int i = 0; text.size() < characters; ++i)
        text += QStringLiteral("mesure%1 ").arg(i % 97);
    text.truncate(characters);
    PagePicture p(2000, 1500);
    RecordingCanvas canvas(p);
    canvas.TextOut(10, 700, text);
    return p;
}

void BM_WriteLongText(benchmark::State &state)
{
    const PagePicture picture = longTextPage(int(state.range(0)));
    QByteArray emf, wmf;
    for (auto _ : state) {
        emf = WriteEmf(picture);
        wmf = WritePlaceableWmf(picture);
    }
    state.counters["bytes"] = double(emf.size() + wmf.size());
}
BENCHMARK(BM_WriteLongText)->Arg(20000)->Arg(160000)->Unit(benchmark::kMillisecond);

void BM_ExportPdf(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportPagePicture(curvePage(), file));
    state.counters["bytes"] = double(QFileInfo(file).size());
}
BENCHMARK(BM_ExportPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}

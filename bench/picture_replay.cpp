// links: scolivet_render
// Cost of the page picture's hot paths: recording 200 000 lines, replaying
// them onto a 1280 x 800 image, and writing them as SVG.
#include "BenchMain.h"
#include "render/PageExport.h"
#include "render/PictureReplay.h"
#include "render/RecordingCanvas.h"
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>

namespace
{

constexpr int lineCount = 200000;

// 200 curves of 1000 short connected segments across a 3000 x 2000 page.
void recordLines(RecordingCanvas &canvas)
{
    for (int i = 0; i < lineCount; ++i) {
        const int x = 100 + (i % 1000) * 2;
        const int y = 1000 + int(std::lround(800 * std::sin(i * 0.003)));
        if (i % 1000 == 0)
            canvas.MoveTo(x, y);
        else
            canvas.LineTo(x, y);
    }
}

void BM_Record(benchmark::State &state)
{
    PagePicture picture(3000, 2000);
    for (auto _ : state) {
        picture.Clear();
        RecordingCanvas canvas(picture);
        recordLines(canvas);
        benchmark::DoNotOptimize(picture.Count());
    }
    state.counters["bytes"] = double(picture.MemoryBytes());
}
BENCHMARK(BM_Record)->Unit(benchmark::kMillisecond);

void BM_ReplayToImage(benchmark::State &state)
{
    PagePicture picture(3000, 2000);
    RecordingCanvas canvas(picture);
    recordLines(canvas);
    QImage image(1280, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        ReplayPicture(painter, picture, QRectF(0, 0, 1200, 800));
    }
}
BENCHMARK(BM_ReplayToImage)->Unit(benchmark::kMillisecond);

void BM_ExportSvg(benchmark::State &state)
{
    PagePicture picture(3000, 2000);
    RecordingCanvas canvas(picture);
    recordLines(canvas);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.svg"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportPagePicture(picture, file));
    state.counters["svg_bytes"] = double(QFileInfo(file).size());
}
BENCHMARK(BM_ExportSvg)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarks<QGuiApplication>(argc, argv);
}

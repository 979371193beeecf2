// links: scolivet_app
// The page on screen and in PNG for dense curves:
// - FirstPaint: the paint that follows a change of the page picture, for a
//   curve of 200 000 noise samples, in the page view of the default window;
// - PngExport: the PNG of that page and of a zigzag of 1000 points from the
//   bottom to the top of the graph (the file written, the page read before);
// - ImportToPaintedPage: the Isis import command's work from the chosen file
//   to the painted page in a 1280 x 800 window, for the file given as the
//   first argument (python3 bench/gen_isis.py 1000000 4 0 0 1 FILE).
//   screen_page [FILE] [benchmark options]
#include "BenchMain.h"
#include "app/UIsis2Graph.h"
#include "page/TIsisGraph.h"
#include "render/PageExport.h"
#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdint>

namespace
{

QString g_largeFile;

QTemporaryDir &tempDir()
{
    static QTemporaryDir dir;
    return dir;
}

// A two-column export of n samples, the value of sample i being value(i).
template <typename Value> QString writeExport(const char *name, int n, Value value)
{
    const QString path = tempDir().filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {};
    QByteArray text = "\"Time\",\"V(N1)\"\r\n";
    for (int i = 0; i < n; ++i)
        text += QByteArray::number(i * 1e-6, 'E', 6) + ',' +
                QByteArray::number(value(i), 'E', 6) + "\r\n";
    file.write(text);
    return path;
}

const QString &noiseFile()
{
    static const QString path = writeExport("noise.dat", 200'000, [](int i) {
        std::uint32_t x = std::uint32_t(i) * 2654435761u;
        x ^= x >> 15;
        return double(x % 20001) / 10000 - 1;
    });
    return path;
}

const QString &zigzagFile()
{
    static const QString path =
        writeExport("zigzag.dat", 1000, [](int i) { return i % 2 ? 1.0 : -1.0; });
    return path;
}

class BenchPage : public TIsisGraph
{
public:
    using TIsisGraph::PictureChanged;
};

QSize defaultViewSize()
{
    TForm1 window;
    window.show();
    QApplication::processEvents();
    return window.IsisGraph()->size();
}

void BM_FirstPaint(benchmark::State &state)
{
    const QSize viewSize = defaultViewSize();
    BenchPage page;
    page.resize(viewSize);
    if (!page.ImportIsis(noiseFile())) {
        state.SkipWithError("import failed");
        return;
    }
    QPixmap target(viewSize);
    for (auto _ : state) {
        page.PictureChanged();
        page.render(&target);
    }
    state.counters["width"] = viewSize.width();
    state.counters["height"] = viewSize.height();
}
BENCHMARK(BM_FirstPaint)->Unit(benchmark::kMillisecond);

void BM_PngExport(benchmark::State &state, const QString &(*input)())
{
    TIsisGraph page;
    if (!page.ImportIsis(input())) {
        state.SkipWithError("import failed");
        return;
    }
    const QString out = tempDir().filePath(QStringLiteral("page.png"));
    for (auto _ : state)
        benchmark::DoNotOptimize(ExportPagePicture(page.Metafile(), out, page.BackColor));
}
BENCHMARK_CAPTURE(BM_PngExport, noise, noiseFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PngExport, zigzag, zigzagFile)->Unit(benchmark::kMillisecond);

void BM_ImportToPaintedPage(benchmark::State &state)
{
    if (g_largeFile.isEmpty()) {
        state.SkipWithError("no export file given");
        return;
    }
    TForm1 window;
    window.resize(1280, 800);
    window.show();
    QApplication::processEvents();
    TIsisGraph &page = *window.IsisGraph();
    QPixmap target(page.size());
    for (auto _ : state) {
        if (!page.ImportIsis(g_largeFile)) {
            state.SkipWithError("import failed");
            return;
        }
        window.RefreshView();
        page.render(&target);
    }
}
BENCHMARK(BM_ImportToPaintedPage)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    if (argc > 1 && argv[1][0] != '-') {
        g_largeFile = QString::fromLocal8Bit(argv[1]);
        argv[1] = argv[0];
        return RunBenchmarks<QApplication>(argc - 1, argv + 1);
    }
    return RunBenchmarks<QApplication>(argc, argv);
}

// links: scolivet_app
// Drawing a Bode page against a linear page of the same size: imports an AC
// analysis (its Bode page: gains over phases on logarithmic frequency scales),
// with "linear" turns both frequency scales linear, then renders the page
// ROUNDS times, each time on Y scales a little different from the two before
// so that every curve is drawn again from its samples, not replayed. Prints
//   render_median=S/C render_total=S/C records=R points=P
// with S wall and C processor seconds. The whole process is timed from
// outside with /usr/bin/time.
//   bode_page FILE log|linear [ROUNDS]
#include "graphs/TAxe.h"
#include "page/TIsisGraph.h"
#include "render/PagePicture.h"
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string_view>
#include <vector>

namespace
{

struct Seconds {
    double Wall = 0;
    double Cpu = 0;
};

Seconds RenderOnce(TIsisGraph &page)
{
    const auto wall = std::chrono::steady_clock::now();
    const std::clock_t cpu = std::clock();
    page.RenderPage();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - wall).count(),
            double(std::clock() - cpu) / CLOCKS_PER_SEC};
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char **argv)
{
    const std::string_view mode = argc >= 3 ? argv[2] : "";
    if (argc < 3 || argc > 4 || (mode != "log" && mode != "linear")) {
        std::fprintf(stderr, "usage: bode_page FILE log|linear [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc == 4 ? std::max(1, std::atoi(argv[3])) : 10;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    TIsisGraph page;
    QString why;
    if (!page.ImportFile(QString::fromLocal8Bit(argv[1]), &why) || page.GraphCount() != 2) {
        std::fprintf(stderr, "not an AC analysis: %s\n", why.toUtf8().constData());
        return 1;
    }
    std::vector<double> tops;
    for (int g = 0; g < page.GraphCount(); ++g) {
        page.Graphs(g)->LogX = mode == "log";
        tops.push_back(page.Graphs(g)->YMax);
    }
    std::vector<double> walls, cpus;
    for (int r = 0; r < rounds; ++r) {
        for (int g = 0; g < page.GraphCount(); ++g) {
            TAxe &graph = *page.Graphs(g);
            const double top = tops[std::size_t(g)];
            graph.YMax = top + (r % 3) * (top - graph.YMin) / 100;
        }
        const Seconds s = RenderOnce(page);
        walls.push_back(s.Wall);
        cpus.push_back(s.Cpu);
    }
    double wall = 0, cpu = 0;
    for (std::size_t i = 0; i < walls.size(); ++i) {
        wall += walls[i];
        cpu += cpus[i];
    }
    std::printf("render_median=%.4f/%.4f render_total=%.4f/%.4f records=%d points=%zu\n",
                Median(walls), Median(cpus), wall, cpu, page.Metafile().Count(),
                page.Metafile().PointCount());
    return 0;
}

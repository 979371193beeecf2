// links: scolivet_app
// Where the time of a headless export goes: imports a simulator graph export
// into a page view that is never shown, renders the page again, and writes it
// as SVG (or PNG), printing one line:
//   import=S render=S write=S records=R points=P out_bytes=B
// import covers reading, building the graph and the first rendering; render is
// one more RenderPage alone, as the editor does after every edit. The whole
// process is timed from outside (/usr/bin/time -v scolivet --export ...).
//   export_svg OUT INPUT
#include "page/TIsisGraph.h"
#include "render/PageExport.h"
#include "render/PagePicture.h"
#include <QApplication>
#include <QFileInfo>
#include <chrono>
#include <cstdio>

namespace
{

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: export_svg OUT INPUT\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString input = QString::fromLocal8Bit(argv[2]);

    TIsisGraph page;
    auto start = std::chrono::steady_clock::now();
    if (!page.ImportIsis(input)) {
        std::printf("failed\n");
        return 1;
    }
    const double import = SecondsSince(start);

    start = std::chrono::steady_clock::now();
    page.RenderPage();
    const double render = SecondsSince(start);

    start = std::chrono::steady_clock::now();
    const QString error = ExportPagePicture(page.Metafile(), out, page.BackColor);
    const double write = SecondsSince(start);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 1;
    }
    std::printf("import=%.4f render=%.4f write=%.4f records=%d points=%zu out_bytes=%lld\n", import,
                render, write, page.Metafile().Count(), page.Metafile().PointCount(),
                QFileInfo(out).size());
    return 0;
}

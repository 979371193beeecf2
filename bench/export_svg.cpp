// links: scolivet_app
// Where the time of a headless export goes: imports a simulator graph export
// into a page view that is never shown, renders the page again, and writes it
// to OUT in the format its extension names (.svg, .png, .emf, .wmf, .pdf),
// printing one line:
//   import=S/C render=S/C write=S/C records=R points=P out_bytes=B
// with S the wall seconds and C the processor seconds of each phase (on a
// busy machine the processor time is the steadier figure). import covers
// reading, building the graph and the first rendering; render is one more
// RenderPage alone, as the editor does after every edit. The whole
// process is timed from outside (/usr/bin/time -v scolivet --export ...).
//   export_svg OUT INPUT
#include "page/TIsisGraph.h"
#include "render/PageExport.h"
#include "render/PagePicture.h"
#include <QApplication>
#include <QFileInfo>
#include <chrono>
#include <cstdio>
#include <ctime>

namespace
{

// Processor time of the process, by the portable std::clock.
double CpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

// Wall and processor seconds of one phase.
class Phase
{
public:
    Phase() : m_wall(std::chrono::steady_clock::now()), m_cpu(CpuSeconds()) {}
    void Stop()
    {
        Wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - m_wall).count();
        Cpu = CpuSeconds() - m_cpu;
    }
    double Wall = 0;
    double Cpu = 0;

private:
    std::chrono::steady_clock::time_point m_wall;
    double m_cpu;
};

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
    Phase import;
    if (!page.ImportIsis(input)) {
        std::printf("failed\n");
        return 1;
    }
    import.Stop();

    Phase render;
    page.RenderPage();
    render.Stop();

    Phase write;
    const QString error = ExportPagePicture(page.Metafile(), out, page.BackColor);
    write.Stop();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 1;
    }
    std::printf("import=%.4f/%.4f render=%.4f/%.4f write=%.4f/%.4f records=%d points=%zu "
                "out_bytes=%lld\n",
                import.Wall, import.Cpu, render.Wall, render.Cpu, write.Wall, write.Cpu,
                page.Metafile().Count(), page.Metafile().PointCount(), QFileInfo(out).size());
    return 0;
}

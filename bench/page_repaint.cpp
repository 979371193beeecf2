// links: scolivet_page scolivet_render scolivet_data
// Repainting the page view once its picture is cached: a page picture of
// 200 000 line records shown in a 1280 x 800 control.
#include "BenchMain.h"
#include "page/TGraphEMF.h"
#include "render/PagePicture.h"
#include "render/RecordingCanvas.h"

#include <QApplication>
#include <QPixmap>
#include <random>

namespace
{

constexpr int kLines = 200'000;

class BenchView : public TGraphEMF
{
public:
    BenchView()
    {
        resize(1280, 800);
        SetMFWidth(3000);
        SetMFHeight(2000);
        // Forty noisy curves across the page, one line record per step,
        // the way a page of imported traces records.
        RecordingCanvas canvas(Picture());
        std::mt19937 random(42);
        std::uniform_int_distribution<int> noise(-40, 40);
        constexpr int curves = 40;
        constexpr int steps = kLines / curves;
        for (int c = 0; c < curves; ++c) {
            canvas.Pen.Color = RGBColor(c * 6, 255 - c * 6, (c * 40) % 256);
            const int base = 50 + c * 48;
            canvas.MoveTo(0, base);
            for (int i = 1; i <= steps; ++i)
                canvas.LineTo(i * 3000 / steps, base + noise(random));
        }
        PictureChanged();
        paint(); // the first paint replays the picture once
    }
    void Invalidate() { PictureChanged(); }
    // One paint of the whole control, as the window system asks for it.
    void paint() { render(&m_target); }

private:
    QPixmap m_target{1280, 800};
};

BenchView &view()
{
    static BenchView v;
    return v;
}

void BM_Repaint(benchmark::State &state)
{
    BenchView &v = view();
    v.SetZoom(1);
    v.paint();
    for (auto _ : state)
        v.paint();
    state.counters["records"] = v.Metafile().Count();
}
BENCHMARK(BM_Repaint)->Unit(benchmark::kMillisecond);

// Zoomed in, each step scrolls: the stretched picture is blitted at a new place.
void BM_Scroll(benchmark::State &state)
{
    BenchView &v = view();
    v.SetZoom(2);
    int step = 0;
    v.paint();
    for (auto _ : state) {
        v.SetXOffset(((step++ % 20) - 10) * 50);
        v.paint();
    }
    v.SetZoom(1);
}
BENCHMARK(BM_Scroll)->Unit(benchmark::kMillisecond);

// For comparison: a paint after the picture changed replays every record.
void BM_PaintAfterRedraw(benchmark::State &state)
{
    BenchView &v = view();
    v.SetZoom(1);
    for (auto _ : state) {
        v.Invalidate();
        v.paint();
    }
}
BENCHMARK(BM_PaintAfterRedraw)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

int main(int argc, char **argv)
{
    return RunBenchmarks<QApplication>(argc, argv);
}

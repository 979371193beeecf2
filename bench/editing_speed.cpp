// links: scolivet_app Qt6::Test
// Editing a page of a million-sample export: one rubber-band mouse move
// (the cached page repainted with the band over it), one finished edit
// (mouse release, the page re-rendered, the new frame painted), and the undo
// and redo of a change, each with its redraw.
//   editing_speed FILE [benchmark flags]
// FILE is any file "Importer un fichier" takes, for example
//   python3 bench/gen_isis.py 1000000 4 0 0 1 /tmp/isis-L.dat
//   build/bench/gen_raw 10000000 4 /tmp/raw-10M.raw
#include "BenchMain.h"
#include "app/UIsis2Graph.h"
#include "dialogs/Prompts.h"
#include "graphs/TAxe.h"
#include "page/TIsisGraph.h"
#include "render/PagePicture.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <cstdint>
#include <cstdio>
#include <memory>

namespace
{

QString g_file;

// Answers the import's file question with the benchmark's file.
class FilePrompts final : public Prompts
{
public:
    QMessageBox::StandardButton Message(QWidget *, Icon, const QString &text,
                                        QMessageBox::StandardButtons, const QString &) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
        return QMessageBox::Ok;
    }
    QString OpenFileName(QWidget *, const TFileDialogOptions &) override { return g_file; }
    QString SaveFileName(QWidget *, const TFileDialogOptions &) override { return {}; }
    bool ChooseColor(QWidget *, TColor &) override { return false; }
    bool ChooseFont(QWidget *, TFont &) override { return false; }
    int Exec(QDialog &) override { return 0; }
};

// The main window at 1280 x 900 holding the imported page.
struct Editor {
    Editor()
    {
        SetPrompts(&prompts);
        form.resize(1280, 900);
        form.show();
        form.findChild<QAction *>(QStringLiteral("ImportFile"))->trigger();
        QApplication::processEvents();
        view = form.IsisGraph();
        view->repaint();
    }
    // A control pixel inside the first graph, at a fraction of its frame.
    QPoint At(double fx, double fy) const
    {
        const TAxe *g = view->Graphs(0);
        return {view->ScreenX(g->Left + int(g->Width() * fx)),
                view->ScreenY(g->Top + int(g->Height() * fy))};
    }

    FilePrompts prompts;
    TForm1 form;
    TIsisGraph *view = nullptr;
};

// Left to the process exit: the window must not outlive the application
// object, which a static would.
Editor &editor()
{
    static Editor *e = new Editor;
    return *e;
}

void BM_RubberBandMove(benchmark::State &state)
{
    Editor &e = editor();
    if (e.view->GraphCount() == 0) {
        state.SkipWithError("the export could not be imported");
        return;
    }
    e.form.findChild<QAction *>(QStringLiteral("AddRecta"))->trigger();
    QTest::mousePress(e.view, Qt::LeftButton, {}, e.At(0.3, 0.3));
    int step = 0;
    for (auto _ : state)
        QTest::mouseMove(e.view, e.At(0.5 + 0.001 * (step++ % 100), 0.6));
    // Release outside the graph: nothing is created.
    QTest::mouseRelease(e.view, Qt::LeftButton, {}, QPoint(1, 1));
    e.form.findChild<QAction *>(QStringLiteral("AddRecta"))->trigger();
}
BENCHMARK(BM_RubberBandMove)->Unit(benchmark::kMillisecond);

// Each iteration drags a line into the graph: the release creates it,
// re-renders the page and paints the new frame.
void BM_FinishedEdit(benchmark::State &state)
{
    Editor &e = editor();
    if (e.view->GraphCount() == 0) {
        state.SkipWithError("the export could not be imported");
        return;
    }
    QAction *line = e.form.findChild<QAction *>(QStringLiteral("AddLine"));
    for (auto _ : state) {
        state.PauseTiming();
        line->trigger();
        QTest::mousePress(e.view, Qt::LeftButton, {}, e.At(0.2, 0.2));
        state.ResumeTiming();
        QTest::mouseRelease(e.view, Qt::LeftButton, {}, e.At(0.7, 0.4));
    }
    state.counters["records"] = e.view->Metafile().Count();
}
BENCHMARK(BM_FinishedEdit)->Unit(benchmark::kMillisecond);

// The change that the undo benchmarks undo and redo: 0 a line drawn on the
// graph, 1 a graph added (the first graph's curves change their scale).
void MakeChange(Editor &e, std::int64_t kind)
{
    if (kind == 0) {
        e.form.findChild<QAction *>(QStringLiteral("AddLine"))->trigger();
        QTest::mousePress(e.view, Qt::LeftButton, {}, e.At(0.2, 0.6));
        QTest::mouseRelease(e.view, Qt::LeftButton, {}, e.At(0.6, 0.8));
    } else {
        e.form.findChild<QAction *>(QStringLiteral("AddGraph"))->trigger();
    }
}

// Each iteration times one step (undo or redo) after the opposite step
// (untimed) has put the change back; "state_bytes" is the size of one step.
void TimeSteps(benchmark::State &state, const char *timed, const char *untimed)
{
    Editor &e = editor();
    if (e.view->GraphCount() == 0) {
        state.SkipWithError("the export could not be imported");
        return;
    }
    MakeChange(e, state.range(0));
    state.counters["state_bytes"] = double(e.view->History().UndoState().size());
    QAction *step = e.form.findChild<QAction *>(QString::fromLatin1(timed));
    QAction *back = e.form.findChild<QAction *>(QString::fromLatin1(untimed));
    for (auto _ : state) {
        state.PauseTiming();
        if (back->isEnabled())
            back->trigger();
        state.ResumeTiming();
        step->trigger();
    }
}

void BM_Undo(benchmark::State &state)
{
    TimeSteps(state, "Annuler", "Retablir");
}
BENCHMARK(BM_Undo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Redo(benchmark::State &state)
{
    TimeSteps(state, "Retablir", "Annuler");
}
BENCHMARK(BM_Redo)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The two halves of a finished edit, for comparison: recording the page
// picture, and painting the frame after it changed.
void BM_RenderPage(benchmark::State &state)
{
    Editor &e = editor();
    for (auto _ : state)
        e.view->RenderPage();
}
BENCHMARK(BM_RenderPage)->Unit(benchmark::kMillisecond);

void BM_PaintNewPicture(benchmark::State &state)
{
    Editor &e = editor();
    for (auto _ : state) {
        state.PauseTiming();
        e.view->RenderPage();
        state.ResumeTiming();
        e.view->RepaintNow();
    }
}
BENCHMARK(BM_PaintNewPicture)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // The file is the first argument that is not a benchmark flag.
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-') {
            g_file = QString::fromLocal8Bit(argv[i]);
            break;
        }
    }
    if (g_file.isEmpty()) {
        std::fprintf(stderr, "usage: editing_speed FILE [benchmark flags]\n");
        return 2;
    }
    return RunBenchmarks<QApplication>(argc, argv);
}

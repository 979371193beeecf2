// links: scolivet_app Qt6::Test
// The recovery copy of a million-sample page: what it costs the editor's
// thread (the page part made and handed over; the samples copied once per
// import), what the writer's thread spends (room for that copy, each part
// written), and a
// finished edit (as in editing_speed) with and without a samples part being
// written at the same time.
//   recovery_write FILE [benchmark flags]
// FILE is a simulator graph export, for example
//   python3 bench/gen_isis.py 1000000 4 0 0 1 /tmp/isis-L.dat
#include "BenchMain.h"
#include "app/Recovery.h"
#include "app/UIsis2Graph.h"
#include "data/TDatas.h"
#include "dialogs/Prompts.h"
#include "graphs/TAxe.h"
#include "page/RecoveryCopy.h"
#include "page/TIsisGraph.h"
#include "render/FileSave.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <cstdio>

namespace
{

QString g_file;

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

// The main window at 1280 x 900 holding the imported page, with its copy
// kept in a temporary folder.
struct Editor {
    Editor()
    {
        SetPrompts(&prompts);
        form.resize(1280, 900);
        form.show();
        form.findChild<QAction *>(QStringLiteral("Isis"))->trigger();
        QApplication::processEvents();
        view = form.IsisGraph();
        view->repaint();
        recovery.Start();
    }
    QPoint At(double fx, double fy) const
    {
        const TAxe *g = view->Graphs(0);
        return {view->ScreenX(g->Left + int(g->Width() * fx)),
                view->ScreenY(g->Top + int(g->Height() * fy))};
    }
    // A line dragged into the graph: the release creates it, re-renders the
    // page and paints the new frame. Only the release is timed, when timed.
    void FinishedEdit(benchmark::State *timed = nullptr)
    {
        if (timed)
            timed->PauseTiming();
        form.findChild<QAction *>(QStringLiteral("AddLine"))->trigger();
        QTest::mousePress(view, Qt::LeftButton, {}, At(0.2, 0.2));
        if (timed)
            timed->ResumeTiming();
        QTest::mouseRelease(view, Qt::LeftButton, {}, At(0.7, 0.4));
    }

    FilePrompts prompts;
    QTemporaryDir folder;
    TForm1 form;
    TIsisGraph *view = nullptr;
    TRecovery recovery{*form.IsisGraph(), folder.path()};
};

Editor &editor()
{
    static Editor *e = new Editor;
    return *e;
}

bool Imported(benchmark::State &state)
{
    if (editor().view->GraphCount() > 0)
        return true;
    state.SkipWithError("the export could not be imported");
    return false;
}

// The editor's share of a copy after a change: the page part made and
// handed to the writer.
void BM_PagePartOnEditorThread(benchmark::State &state)
{
    Editor &e = editor();
    if (!Imported(state))
        return;
    e.FinishedEdit();
    e.recovery.WriteNow();
    e.recovery.Wait();
    for (auto _ : state) {
        e.recovery.WriteNow();
        state.PauseTiming();
        e.recovery.Wait();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PagePartOnEditorThread)->Unit(benchmark::kMillisecond);

// Its share once per import: the samples copied into room made by the
// writer's thread.
void BM_SeriesCopyOnEditorThread(benchmark::State &state)
{
    Editor &e = editor();
    if (!Imported(state))
        return;
    TDatas room = TDatas::OfShape(e.view->Datas->Shape());
    for (auto _ : state)
        room.CopyFrom(*e.view->Datas);
}
BENCHMARK(BM_SeriesCopyOnEditorThread)->Unit(benchmark::kMillisecond);

// The writer's share of that copy: making the room, fresh memory.
void BM_SeriesRoomOnWriterThread(benchmark::State &state)
{
    Editor &e = editor();
    if (!Imported(state))
        return;
    const TDatas::TShape shape = e.view->Datas->Shape();
    for (auto _ : state)
        benchmark::DoNotOptimize(TDatas::OfShape(shape));
}
BENCHMARK(BM_SeriesRoomOnWriterThread)->Unit(benchmark::kMillisecond)->UseRealTime();

// The writer's work: each part written through QSaveFile.
void BM_PartWrite(benchmark::State &state)
{
    Editor &e = editor();
    if (!Imported(state))
        return;
    const bool samples = state.range(0) == 1;
    TDatas series = TDatas::OfShape(e.view->Datas->Shape());
    series.CopyFrom(*e.view->Datas);
    const QByteArray page = RecoveryPageBytes(*e.view, {QStringLiteral("0"), {}, QDateTime()});
    const QString path = e.folder.filePath(QStringLiteral("part"));
    for (auto _ : state) {
        const QString why =
            samples ? SaveFileAtomically(path, [&](QIODevice &file) {
                          return WriteRecoverySamples(file, series, QStringLiteral("0"));
                      })
                    : SaveFileAtomically(path, page);
        if (!why.isEmpty())
            state.SkipWithError(qPrintable(why));
    }
    state.counters["bytes"] = double(QFileInfo(path).size());
}
BENCHMARK(BM_PartWrite)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// A finished edit alone (0) and while the recovery writer writes samples
// parts again and again (1).
void BM_FinishedEditDuringCopy(benchmark::State &state)
{
    Editor &e = editor();
    if (!Imported(state))
        return;
    std::atomic<bool> stop = false;
    auto series = std::make_shared<TDatas>(TDatas::OfShape(e.view->Datas->Shape()));
    series->CopyFrom(*e.view->Datas);
    {
        TRecoveryWriter writer;
        if (state.range(0) == 1)
            writer.Post(TRecoveryWriter::Kind::Series,
                        [&stop, series, path = e.folder.filePath(QStringLiteral("samples"))] {
                            while (!stop)
                                SaveFileAtomically(path, [&](QIODevice &file) {
                                    return WriteRecoverySamples(file, *series, QStringLiteral("0"));
                                });
                            return QString();
                        });
        for (auto _ : state)
            e.FinishedEdit(&state);
        stop = true;
    }
}
BENCHMARK(BM_FinishedEditDuringCopy)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] != '-') {
            g_file = QString::fromLocal8Bit(argv[i]);
            break;
        }
    }
    if (g_file.isEmpty()) {
        std::fprintf(stderr, "usage: recovery_write FILE [benchmark flags]\n");
        return 2;
    }
    return RunBenchmarks<QApplication>(argc, argv);
}

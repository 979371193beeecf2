// Imports a simulator graph export into a page view, saves the page as a
// document, and opens that document again over the page, timing each step:
//   document_roundtrip EXPORT [DOCUMENT]
// DOCUMENT defaults to a temporary file, removed at the end. One line per
// step: "<step> seconds=S cpu=C bytes=B": S wall-clock seconds, C the
// processor seconds of the process (a fairer figure on a busy machine), B the
// size of the file read or written. When a step fails, or when the page read back does not write a
// document of the saved size, the program ends with status 1.
// Peak memory is taken from outside: /usr/bin/time -f %M.
#include "page/TIsisGraph.h"
#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <functional>

namespace
{

// Runs the step and prints its time and the size of the file it used.
bool Step(const char *name, const QString &file, const std::function<QString()> &run)
{
    const auto start = std::chrono::steady_clock::now();
    const std::clock_t cpuStart = std::clock();
    const QString error = run();
    const double cpu = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", name, error.toUtf8().constData());
        return false;
    }
    std::printf("%s seconds=%.3f cpu=%.3f bytes=%lld\n", name, elapsed.count(), cpu,
                static_cast<long long>(QFileInfo(file).size()));
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: document_roundtrip EXPORT [DOCUMENT]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString input = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir dir;
    const QString document =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : dir.filePath(QStringLiteral("page.scv"));

    TIsisGraph page;
    page.resize(1007, 707);
    const bool done =
        Step("import", input,
             [&] {
                 return page.ImportIsis(input) ? QString() : QStringLiteral("not imported");
             }) &&
        Step("save", document, [&] { return page.WriteDocument(document); }) &&
        Step("open", document, [&] { return page.ReadDocument(document); });
    if (!done)
        return 1;
    if (page.SaveToBytes().size() != QFileInfo(document).size()) {
        std::fprintf(stderr, "the document read back differs from the one saved\n");
        return 1;
    }
    return 0;
}

#include "fuzz/FuzzTargets.h"
#include "page/TIsisGraph.h"
#include "render/PagePicture.h"
#include <QApplication>
#include <algorithm>

namespace
{

// The page is a widget: a fuzz run makes its own application, headless; the
// corpus replay runs inside the tests' one. The run's application is never
// destroyed: at exit Qt's own globals are already gone.
void EnsureApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "DocumentReaderFuzz";
    static char *argv[] = {name, nullptr};
    static const QApplication *const app = new QApplication(argc, argv);
    Q_UNUSED(app);
}

// The first line where two documents differ, both ways.
std::string FirstDifference(const QByteArray &a, const QByteArray &b)
{
    const QList<QByteArray> x = a.split('\n'), y = b.split('\n');
    qsizetype i = 0;
    while (i < x.size() && i < y.size() && x[i] == y[i])
        ++i;
    return "line " + std::to_string(i + 1) + ": \"" + x.value(i).trimmed().toStdString() +
           "\" then \"" + y.value(i).trimmed().toStdString() + "\"";
}

// Whether two pictures hold the same drawing, record for record.
bool SameDrawing(const PagePicture &a, const PagePicture &b)
{
    if (a.MFWidth() != b.MFWidth() || a.MFHeight() != b.MFHeight() || a.Count() != b.Count())
        return false;
    for (int i = 0; i < a.Count(); ++i) {
        const PictureRecord x = a.At(i), y = b.At(i);
        if (x.Kind != y.Kind || !std::ranges::equal(x.Points, y.Points) || x.Text != y.Text ||
            !(x.Pen == y.Pen) || !(x.Brush == y.Brush) || !(x.Font == y.Font))
            return false;
    }
    return true;
}

std::string_view View(const QByteArray &bytes)
{
    return std::string_view(bytes.constData(), std::size_t(bytes.size()));
}

} // namespace

std::string DocumentReaderFuzz(std::string_view bytes)
{
    EnsureApplication();
    TIsisGraph page;
    const QByteArray empty = page.SaveToBytes();
    if (const QString why = page.LoadFromBytes(bytes); !why.isEmpty())
        return page.SaveToBytes() == empty ? "" : "a refused document changed the page";
    // What an accepted document gives is written and read back unchanged,
    // and draws the same page.
    const QByteArray written = page.SaveToBytes();
    TIsisGraph again;
    if (const QString why = again.LoadFromBytes(View(written)); !why.isEmpty())
        return "the document written from an accepted one is refused: " + why.toStdString();
    if (const QByteArray rewritten = again.SaveToBytes(); rewritten != written)
        return "the document written from an accepted one reads back otherwise, " +
               FirstDifference(written, rewritten);
    if (!SameDrawing(page.Metafile(), again.Metafile()))
        return "the page read back from an accepted document draws otherwise";
    return {};
}

// A person's session driven from a test: the editor as RunEditor starts it,
// with its recovery copies in the data folder the environment names.
//   recovery_child edit INPUT EXPECTED
//     imports INPUT and draws a line; once the recovery copy is on disk,
//     writes the page's document to EXPECTED, prints "ready" and waits to be
//     killed.
//   recovery_child recover RESULT
//     answers Oui to the recovery question (printing it), writes the page's
//     document to RESULT, then closes the window answering Non to the
//     question about unsaved changes.
#include "app/EditorSession.h"
#include "app/RecoveryFolder.h"
#include "app/UIsis2Graph.h"
#include "dialogs/Prompts.h"
#include "graphs/TAxe.h"
#include "page/TIsisGraph.h"
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

namespace
{

class ChildPrompts final : public Prompts
{
public:
    explicit ChildPrompts(QString input) : m_input(std::move(input)) {}

    QMessageBox::StandardButton Message(QWidget *, Icon, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        const QString &) override
    {
        std::printf("%s\n", qPrintable(text));
        std::fflush(stdout);
        if (text.startsWith(QStringLiteral("Récupérer")))
            return QMessageBox::Yes;
        return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
    }
    QString OpenFileName(QWidget *, const TFileDialogOptions &) override { return m_input; }
    QString SaveFileName(QWidget *, const TFileDialogOptions &) override { return {}; }
    bool ChooseColor(QWidget *, TColor &) override { return false; }
    bool ChooseFont(QWidget *, TFont &) override { return false; }
    int Exec(QDialog &) override { return 0; }

private:
    QString m_input;
};

bool WritePage(const TIsisGraph &page, const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(page.SaveToBytes()) > 0 && file.flush();
}

// Draws a line across the first graph with the mouse.
void DrawLine(TForm1 &window)
{
    TIsisGraph *view = window.IsisGraph();
    const TAxe *g = view->Graphs(0);
    const auto at = [&](double fx, double fy) {
        return QPoint(view->ScreenX(g->Left + int(g->Width() * fx)),
                      view->ScreenY(g->Top + int(g->Height() * fy)));
    };
    window.findChild<QAction *>(QStringLiteral("AddLine"))->trigger();
    QTest::mousePress(view, Qt::LeftButton, {}, at(0.2, 0.3));
    QTest::mouseMove(view, at(0.5, 0.5));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(0.7, 0.6));
}

void Edit(TForm1 &window, const QString &expected)
{
    window.findChild<QAction *>(QStringLiteral("Isis"))->trigger();
    if (window.IsisGraph()->GraphCount() == 0)
        std::exit(4);
    DrawLine(window);
    auto *poll = new QTimer(&window);
    QObject::connect(poll, &QTimer::timeout, &window, [&window, poll, expected] {
        if (QDir(TRecoveryFolder::UserFolder()).entryList({QStringLiteral("*.page")}).isEmpty())
            return;
        poll->stop();
        if (!WritePage(*window.IsisGraph(), expected))
            std::exit(5);
        std::printf("ready\n");
        std::fflush(stdout);
    });
    poll->start(20);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Scolivet"));
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool edit = args.value(1) == QStringLiteral("edit") && args.size() == 4;
    if (!edit && !(args.value(1) == QStringLiteral("recover") && args.size() == 3)) {
        std::fprintf(stderr, "usage: recovery_child edit INPUT EXPECTED | recover RESULT\n");
        return 2;
    }
    ChildPrompts prompts(edit ? args[2] : QString());
    SetPrompts(&prompts);
    // Never left running: a session that is not killed in time fails.
    QTimer::singleShot(60000, [] { std::exit(3); });
    return RunEditor(app, {}, [&](TForm1 &window) {
        if (edit) {
            QTimer::singleShot(0, &window, [&window, e = args[3]] { Edit(window, e); });
        } else {
            if (!WritePage(*window.IsisGraph(), args[2]))
                std::exit(5);
            QTimer::singleShot(0, &window, &QWidget::close);
        }
    });
}

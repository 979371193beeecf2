#include "app/EditorSession.h"
#include "app/Recovery.h"
#include "app/RecoveryOffer.h"
#include "app/UIsis2Graph.h"
#include <QApplication>

int RunEditor(QApplication &app, const QStringList &files,
              const std::function<void(TForm1 &)> &started)
{
    TForm1 window;
    window.show();
    TRecovery recovery(*window.IsisGraph(), TRecoveryFolder::UserFolder());
    StartRecovery(window, recovery);
    if (!files.isEmpty())
        window.OpenCommandLineFile(files.constFirst());
    if (started)
        started(window);
    const int status = app.exec();
    // A window closed through the question about unsaved changes ends the
    // work; a session ended under an open window leaves the copy for the
    // next start.
    if (!window.isVisible())
        recovery.Close();
    return status;
}

#include "app/RecoveryOffer.h"
#include "app/FileCommands.h"
#include "app/Recovery.h"
#include "app/UIsis2Graph.h"
#include "dialogs/Prompts.h"
#include "page/RecoveryCopy.h"
#include "page/TIsisGraph.h"
#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <new>

namespace
{

constexpr int MessageMs = 15000;

std::string_view View(const QByteArray &bytes)
{
    return {bytes.constData(), std::size_t(bytes.size())};
}

// The whole file; false, with the reason, when it cannot be read.
bool ReadWhole(const QString &path, QByteArray &bytes, QString &why)
{
    QFile file(path);
    try {
        if (file.open(QIODevice::ReadOnly)) {
            bytes = file.readAll();
            if (file.error() == QFileDevice::NoError)
                return true;
        }
    } catch (const std::bad_alloc &) {
        why = QStringLiteral("mémoire insuffisante");
        return false;
    }
    why = QStringLiteral("%1 : %2").arg(QFileInfo(path).fileName(), file.errorString());
    return false;
}

QString CopyTime(const QDateTime &time)
{
    const QDateTime local = time.toLocalTime();
    return QStringLiteral("du %1 à %2")
        .arg(local.toString(QStringLiteral("dd/MM/yyyy")), local.toString(QStringLiteral("HH:mm:ss")));
}

QString Question(const TRecoveryInfo &info)
{
    const QString what = info.DocumentName.isEmpty() ? QStringLiteral("page importée")
                                                     : QFileInfo(info.DocumentName).fileName();
    return QStringLiteral("Récupérer le travail non enregistré ?\n\n%1, copie %2.")
        .arg(what, CopyTime(info.Time));
}

// The copy's time is its own, or its file's when it cannot be read.
void SetAside(TForm1 &window, TRecovery &recovery, TOrphanCopy &orphan, const QString &why,
              const std::optional<TRecoveryInfo> &info)
{
    const QString time = CopyTime(info ? info->Time : orphan.Modified());
    const QString folder = recovery.Folder().SetAside(orphan);
    const QString where =
        folder.isEmpty() ? QStringLiteral("Elle n'a pas pu être mise de côté et reste dans « %1 ».")
                               .arg(recovery.Folder().Path())
                         : QStringLiteral("Elle a été mise de côté dans « %1 ».").arg(folder);
    ShowError(QStringLiteral("Une copie de récupération %1 est illisible : %2\n%3")
                  .arg(time, why, where),
              &window);
}

void ShowRecovered(TForm1 &window, const QString &documentName)
{
    window.setWindowTitle(documentName.isEmpty() ? ImportCaption()
                                                 : DocumentCaption(documentName));
    window.Actions().AddGraph->setEnabled(true);
    window.RefreshView();
}

// Offers one copy; true when the page was recovered from it.
bool Offer(TForm1 &window, TRecovery &recovery, TOrphanCopy &orphan)
{
    QByteArray pagePart;
    QString why;
    std::optional<TRecoveryInfo> info;
    if (ReadWhole(orphan.PagePath(), pagePart, why))
        info = ReadRecoveryInfo(View(pagePart), &why);
    if (!info) {
        SetAside(window, recovery, orphan, why, info);
        return false;
    }
    if (AskQuestion(Question(*info), QMessageBox::Yes | QMessageBox::No, &window) !=
        QMessageBox::Yes) {
        orphan.Discard();
        return false;
    }
    QByteArray seriesPart;
    if (ReadWhole(orphan.SeriesPath(), seriesPart, why))
        why = LoadRecoveryCopy(*window.IsisGraph(), View(seriesPart), View(pagePart));
    if (!why.isEmpty()) {
        SetAside(window, recovery, orphan, why, info);
        return false;
    }
    ShowRecovered(window, info->DocumentName);
    if (!recovery.Adopt(orphan, info->Stamp)) {
        // Once the page has a copy of its own, the orphan may go.
        recovery.WriteNow();
        recovery.Wait();
        orphan.Discard();
    }
    return true;
}

} // namespace

bool StartRecovery(TForm1 &window, TRecovery &recovery)
{
    QObject::connect(&recovery, &TRecovery::Failed, &window, [&window](const QString &why) {
        window.statusBar()->showMessage(
            QStringLiteral("Copie de récupération impossible : %1").arg(why), MessageMs);
    });
    if (const QString why = recovery.Start(); !why.isEmpty()) {
        window.statusBar()->showMessage(
            QStringLiteral("Pas de copie de récupération : %1").arg(why), MessageMs);
        return false;
    }
    for (TOrphanCopy &orphan : recovery.Folder().TakeOrphans()) {
        if (Offer(window, recovery, orphan))
            return true;
    }
    return false;
}

#include "app/RecentFilesMenu.h"
#include "app/RecentFiles.h"
#include "data/SystemFileName.h"
#include "dialogs/Prompts.h"
#include <QDir>
#include <QSettings>

namespace
{

const QString SettingsKey = QStringLiteral("FichiersRecents");

QSettings UserSettings()
{
    return QSettings(QStringLiteral("Scolivet"), QStringLiteral("Scolivet"));
}

} // namespace

TRecentFilesMenu::TRecentFilesMenu(QWidget *parent)
    : QMenu(QStringLiteral("Fichiers &récents"), parent)
{
    setObjectName(QStringLiteral("FichiersRecents"));
    Rebuild();
}

QStringList TRecentFilesMenu::Files() const
{
    return FileNamesOfSetting(UserSettings().value(SettingsKey));
}

void TRecentFilesMenu::Add(const QString &fileName)
{
    Store(WithRecentFile(Files(), AbsoluteFileName(fileName)));
}

void TRecentFilesMenu::Store(const QStringList &files)
{
    UserSettings().setValue(SettingsKey, FileNamesSetting(files));
    Rebuild();
}

void TRecentFilesMenu::Rebuild()
{
    clear();
    const QStringList files = Files();
    for (int i = 0; i < files.size(); ++i) {
        const QString shown =
            QDir::toNativeSeparators(files[i]).replace(u'&', QStringLiteral("&&"));
        QAction *entry = addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        connect(entry, &QAction::triggered, this, [this, file = files[i]] { Picked(file); });
    }
    setEnabled(!files.isEmpty());
}

void TRecentFilesMenu::Picked(const QString &fileName)
{
    QStringList files = Files();
    const QStringList gone = TakeMissingFiles(files, FileExists);
    if (!gone.isEmpty()) {
        Store(files);
        ShowMessage(
            (gone.size() == 1
                 ? QStringLiteral("Fichier introuvable, retiré des fichiers récents :")
                 : QStringLiteral("Fichiers introuvables, retirés des fichiers récents :")) +
            QLatin1Char('\n') + QDir::toNativeSeparators(gone.join(QLatin1Char('\n'))));
    }
    if (!gone.contains(fileName))
        emit OpenRequested(fileName);
}

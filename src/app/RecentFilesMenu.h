#pragma once
// "Fichiers récents" in the Fichier menu: the documents opened or saved
// lately, kept in the user's settings between runs. Picking one asks for it
// to be opened; files that have gone are then taken out of the list, with a
// message that names them.
#include <QMenu>

class TRecentFilesMenu : public QMenu
{
    Q_OBJECT
public:
    explicit TRecentFilesMenu(QWidget *parent = nullptr);

    // Puts the file (made absolute) first in the list.
    void Add(const QString &fileName);
    QStringList Files() const;

signals:
    void OpenRequested(const QString &fileName);

private:
    void Store(const QStringList &files);
    void Rebuild();
    void Picked(const QString &fileName);
};

#include "app/RecentFiles.h"

QStringList WithRecentFile(QStringList list, const QString &path)
{
    list.removeAll(path);
    list.prepend(path);
    if (list.size() > RecentFilesMax)
        list.resize(RecentFilesMax);
    return list;
}

QStringList TakeMissingFiles(QStringList &list, const std::function<bool(const QString &)> &exists)
{
    QStringList missing;
    QStringList kept;
    for (const QString &path : std::as_const(list))
        (exists(path) ? kept : missing).append(path);
    list = kept;
    return missing;
}

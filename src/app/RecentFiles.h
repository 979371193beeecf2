#pragma once
// The list of recent files: most recent first, each file once, at most
// RecentFilesMax entries. Pure functions over the list; where it is kept and
// how a file is looked for are the caller's.
#include <QStringList>
#include <functional>

inline constexpr int RecentFilesMax = 8;

// The list with path first (an earlier mention of it dropped) and the
// oldest entries beyond RecentFilesMax left out.
QStringList WithRecentFile(QStringList list, const QString &path);

// Takes out of list the entries exists says are gone, and returns them in
// their order.
QStringList TakeMissingFiles(QStringList &list, const std::function<bool(const QString &)> &exists);

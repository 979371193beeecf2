#pragma once
// Every file the program writes goes through here: the bytes go to a
// temporary file beside the target, which replaces the target only once
// completely written and flushed, so a failure leaves the target as it was.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class QIODevice;

// Writes bytes to fileName. Refuses a target that is one of `inputs` under
// any name (hard link, symbolic link, other spelling) and a target that
// exists but is not a plain file (a device, a pipe, a folder). Returns an
// empty string on success, otherwise the French reason.
QString SaveFileAtomically(const QString &fileName, const QByteArray &bytes,
                           const QStringList &inputs = {});
// The same with bytes that write sends to the open file as it makes them;
// write returns false as soon as the file refuses bytes.
QString SaveFileAtomically(const QString &fileName, const std::function<bool(QIODevice &)> &write,
                           const QStringList &inputs = {});

// Whether two names lead to the same existing file.
bool IsSameFile(const QString &a, const QString &b);

// Whether the name leads to something that is not a plain file (a device, a
// pipe, a socket). False for a plain file, a folder or nothing at all.
bool IsSpecialFile(const QString &fileName);

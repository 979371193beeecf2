#pragma once
// The atomic write of a file whose name Qt cannot spell (see
// SystemFileName.h), done on the name's bytes: the bytes go to a new file
// beside the target, which replaces the target once written and flushed.
// POSIX systems only: on Windows Qt spells every name.
#include <QByteArray>
#include <functional>

class QIODevice;

// False with errno set when a step failed; the target is then as it was and
// the new file is gone. The target's permissions carry over to the new file.
bool WriteBesideAndRename(const QByteArray &target, const std::function<bool(QIODevice &)> &write);

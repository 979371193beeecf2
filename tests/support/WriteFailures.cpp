#include "support/WriteFailures.h"
#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <cstdlib>
#include <unistd.h>

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    getrlimit(RLIMIT_FSIZE, &m_previous);
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_previous;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    setrlimit(RLIMIT_FSIZE, &m_previous);
    std::signal(SIGXFSZ, m_handler);
}

namespace
{

constexpr uid_t Nobody = 65534;
// Whether this process's effective user may use the folder so.
bool Allowed(const QString &folder, int mode)
{
    return faccessat(AT_FDCWD, QFile::encodeName(folder).constData(), mode, AT_EACCESS) == 0;
}

constexpr QFile::Permissions ReadOnly = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                        QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;

} // namespace

UnwritableFolder::UnwritableFolder(const QString &folder) : m_folder(folder)
{
    if (!QFile::setPermissions(folder, ReadOnly))
        return;
    // The unprivileged user must still reach the folder through its parents.
    if (geteuid() == 0) {
        m_userChanged = seteuid(Nobody) == 0;
        m_active = m_userChanged && !Allowed(folder, W_OK) && Allowed(folder, X_OK);
        return;
    }
    m_active = !Allowed(folder, W_OK);
}

UnwritableFolder::~UnwritableFolder()
{
    if (m_userChanged && seteuid(0) != 0)
        std::abort();
    QFile::setPermissions(m_folder, ReadOnly | QFile::WriteOwner);
}

#pragma once
// Conditions under which writing a file fails, for the life of a scope.
#include <QString>
#include <sys/resource.h>
#include <sys/types.h>

// Files of this process cannot grow beyond `bytes`, as on a full disk:
// writes past it fail with EFBIG instead of stopping the process.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit m_previous{};
    void (*m_handler)(int) = nullptr;
};

// Makes `folder` read-only for this process: its mode loses every write bit
// and, when the process runs as root (whom modes do not stop), the effective
// user becomes an unprivileged one until the scope ends. Active() is false
// when neither is possible; the test should then be skipped.
class UnwritableFolder
{
public:
    explicit UnwritableFolder(const QString &folder);
    ~UnwritableFolder();
    UnwritableFolder(const UnwritableFolder &) = delete;
    UnwritableFolder &operator=(const UnwritableFolder &) = delete;
    bool Active() const { return m_active; }

private:
    QString m_folder;
    bool m_active = false;
    bool m_userChanged = false;
};

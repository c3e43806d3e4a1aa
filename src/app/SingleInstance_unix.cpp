#include "app/SingleInstance.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace app {

namespace {

// A directory that belongs to the user and that nobody else may write to, so
// nobody else can have put a file or a link where the lock goes. A missing
// folder is made, for the user alone.
bool isOwnFolder(const QString& folder)
{
    const QByteArray path = QFile::encodeName(folder);
    struct stat info { };
    if (::stat(path.constData(), &info) != 0) {
        if (errno != ENOENT || !QDir().mkpath(folder) || ::chmod(path.constData(), S_IRWXU) != 0
            || ::stat(path.constData(), &info) != 0) {
            return false;
        }
    }
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// Takes the lock on the folder itself, waiting a second at most for another
// starting copy to let go of it.
bool lockFolder(int folder)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (::flock(folder, LOCK_EX | LOCK_NB) == 0) {
            return true;
        }
        if (errno != EWOULDBLOCK) {
            return false;
        }
        ::usleep(10000);
    }
    return false;
}

// Opens the lock file at path, in the folder, made if need be and never
// removed; a link in its place is not followed, and a pipe or a device opens
// without waiting (and is refused by the caller). A lock file that cannot be
// opened at all (left with no permissions, or another user's where even the
// superuser may not open it) is replaced, since the folder is the user's own.
// The replacement is made under a lock on the folder, which only copies that
// found such a file take: a copy can never replace a file that another has
// just made and may be about to lock.
int openLockFile(const QByteArray& folder, const QByteArray& path)
{
    constexpr int kFlags = O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    constexpr mode_t kMode = S_IRUSR | S_IWUSR;
    int fd = ::open(path.constData(), kFlags, kMode);
    if (fd >= 0 || (errno != EACCES && errno != EPERM)) {
        return fd;
    }
    const int folderFd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd < 0) {
        return -1;
    }
    if (lockFolder(folderFd)) {
        fd = ::open(path.constData(), kFlags, kMode);
        if (fd < 0 && (errno == EACCES || errno == EPERM) && ::unlink(path.constData()) == 0) {
            fd = ::open(path.constData(), kFlags, kMode);
        }
    }
    ::close(folderFd); // and with it the folder's lock
    return fd;
}

} // namespace

SingleInstance::~SingleInstance()
{
    for (const qintptr fd : m_handles) {
        ::close(static_cast<int>(fd));
    }
}

SingleInstance::Result SingleInstance::tryAcquire()
{
    if (!m_handles.empty()) {
        return Result::Acquired;
    }
    std::vector<int> fds;
    QStringList lockFolders;
    const auto refuse = [&fds] {
        for (const int fd : fds) {
            ::close(fd);
        }
        return Result::Refused;
    };
    for (const QString& folder : std::as_const(m_folders)) {
        if (!isOwnFolder(folder)) {
            continue;
        }
        const int fd = openLockFile(QFile::encodeName(folder), QFile::encodeName(QDir(folder).filePath(fileName())));
        if (fd < 0) {
            continue; // a folder or a link in its place, no room, no permission
        }
        struct stat info { };
        if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
            ::close(fd);
            continue;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fds.push_back(fd);
            lockFolders << folder;
            continue;
        }
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK) {
            return refuse();
        }
    }
    if (fds.empty()) {
        return Result::NoLock;
    }
    m_handles.assign(fds.begin(), fds.end());
    m_lockFolders = lockFolders;
    return Result::Acquired;
}

} // namespace app

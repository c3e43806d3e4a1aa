#include "ui/platform/SingleInstance.h"

#include "ui/platform/Program.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ui {

SingleInstance::SingleInstance(QStringList folders)
    : m_folders(std::move(folders))
{ }

QStringList SingleInstance::defaultFolders()
{
    QStringList folders;
    // Qt creates the runtime folder with the user's own permissions, or gives
    // no folder when one of another user stands in its place.
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty()) {
        folders << runtime;
    }
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (!cache.isEmpty() && !homeFolder().isEmpty()) {
        folders << QDir(cache).filePath(QStringLiteral("vq-rudraksha-numerology"));
    }
    return folders;
}

#ifdef Q_OS_UNIX

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

} // namespace

SingleInstance::~SingleInstance()
{
    for (const int fd : m_fds) {
        ::close(fd);
    }
}

SingleInstance::Result SingleInstance::tryAcquire()
{
    if (!m_fds.empty()) {
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
        // Created if need be and never removed; a link in its place is not
        // followed, and a pipe or a device opens without waiting and is refused.
        const QByteArray path = QFile::encodeName(QDir(folder).filePath(fileName()));
        const int fd = ::open(
            path.constData(), O_RDONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, S_IRUSR | S_IWUSR);
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
    m_fds = std::move(fds);
    m_lockFolders = lockFolders;
    return Result::Acquired;
}

#else

SingleInstance::~SingleInstance() = default;

SingleInstance::Result SingleInstance::tryAcquire()
{
    if (!m_locks.empty()) {
        return Result::Acquired;
    }
    std::vector<std::unique_ptr<QLockFile>> locks;
    QStringList lockFolders;
    for (const QString& folder : std::as_const(m_folders)) {
        if (!QDir().mkpath(folder)) {
            continue;
        }
        auto lock = std::make_unique<QLockFile>(QDir(folder).filePath(fileName()));
        // Only a lock whose process is gone counts as stale, however old it is.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            locks.push_back(std::move(lock));
            lockFolders << folder;
        } else if (lock->error() == QLockFile::LockFailedError) {
            return Result::Refused;
        }
    }
    if (locks.empty()) {
        return Result::NoLock;
    }
    m_locks = std::move(locks);
    m_lockFolders = lockFolders;
    return Result::Acquired;
}

#endif

} // namespace ui

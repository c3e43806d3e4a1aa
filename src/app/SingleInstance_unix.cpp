#include "app/SingleInstance.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QSocketNotifier>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
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

// The address of a socket in the kernel's abstract namespace, named after the
// last lock folder, the one every copy of the user shares (the cache folder):
// no file cleaner can remove it, and the kernel lets go of it when the copy
// ends, however it ends.
sockaddr_un lockAddress(const QStringList& folders, socklen_t& length)
{
    const QByteArray name = "vq-rudraksha-numerology-"
        + QCryptographicHash::hash(QFile::encodeName(folders.value(folders.size() - 1)), QCryptographicHash::Sha256)
              .toHex()
              .left(32);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    // sun_path[0] stays 0: the abstract namespace.
    std::memcpy(address.sun_path + 1, name.constData(), static_cast<std::size_t>(name.size()));
    length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + static_cast<std::size_t>(name.size()));
    return address;
}

enum class SocketLock { Taken, HeldByACopy, NotTaken };

// Binds the socket of the folders; fd keeps it where it is taken. Where it
// is bound already, a copy of this user holds it only when the socket's owner
// is this user: another user's socket of the name refuses nothing.
SocketLock takeSocketLock(const QStringList& folders, int& fd)
{
    socklen_t length = 0;
    const sockaddr_un address = lockAddress(folders, length);
    fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return SocketLock::NotTaken;
    }
    if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0 && ::listen(fd, 16) == 0) {
        return SocketLock::Taken;
    }
    const int error = errno;
    ::close(fd);
    fd = -1;
    if (error != EADDRINUSE) {
        return SocketLock::NotTaken;
    }
    const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    ucred peer{};
    socklen_t size = sizeof peer;
    const bool ours = probe >= 0 && ::connect(probe, reinterpret_cast<const sockaddr*>(&address), length) == 0
        && ::getsockopt(probe, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == ::geteuid();
    if (probe >= 0) {
        ::close(probe);
    }
    return ours ? SocketLock::HeldByACopy : SocketLock::NotTaken;
}

// The copy that holds the socket answers each copy that asks who holds it,
// so that its queue of them never fills.
void answerAskingCopies(int fd)
{
    if (QCoreApplication::instance() == nullptr) {
        return;
    }
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [fd] {
        for (int asking = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC); asking >= 0;
             asking = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) {
            ::close(asking);
        }
    });
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
    int socket = -1;
    switch (takeSocketLock(m_folders, socket)) {
    case SocketLock::HeldByACopy:
        return Result::Refused;
    case SocketLock::Taken:
        fds.push_back(socket);
        break;
    case SocketLock::NotTaken:
        break;
    }
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
    if (socket >= 0) {
        answerAskingCopies(socket);
    }
    return Result::Acquired;
}

} // namespace app

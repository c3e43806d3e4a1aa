#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace app {

// Tells whether another copy of the program runs for this user. Only a lock
// that a live copy holds refuses the start, and the kernel lets go of it when
// a copy ends, however it ends. On Linux a running copy holds the kernel's
// lock (flock) on a file that is never removed, in folders of the user's own;
// what the file holds (nothing, damage, another host's name) does not matter.
// Since a cache cleaner may remove those files under it, it also holds a
// socket in the kernel's abstract namespace named after the last folder,
// which nothing on disk can take away.
// On Windows it holds a named mutex in the session's namespace, named after
// those folders.
class SingleInstance final {
public:
    enum class Result {
        Acquired, // this copy holds the lock
        Refused, // another running copy holds it
        NoLock, // no folder could hold a lock; the program runs without one
    };

    // Takes the lock in every usable folder, in order, and refuses the start
    // when a running copy holds any of them: copies started with different
    // runtime folders (after su, from cron) still meet in the cache folder. A
    // folder is used only when it is a directory of the user's own that nobody
    // else may write to, and holds a lock file (or room for one) that is a
    // regular file.
    explicit SingleInstance(QStringList folders = defaultFolders());
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock if it can; asking again once it is held says Acquired.
    Result tryAcquire();

    // The folders whose locks this copy holds.
    QStringList lockFolders() const { return m_lockFolders; }

    // The user's runtime folder, then a folder of the program's own in the
    // user's cache folder (none without a home folder).
    static QStringList defaultFolders();

    static QString fileName() { return QStringLiteral("vq-rudraksha-numerology.lock"); }

private:
    QStringList m_folders;
    QStringList m_lockFolders;
    // What keeps the lock: file descriptors on Linux, a mutex's handle on
    // Windows (SingleInstance_unix.cpp, SingleInstance_win.cpp).
    std::vector<qintptr> m_handles;
};

} // namespace app

#pragma once

#include <QLockFile>
#include <QString>

namespace ui {

// Tells whether another copy of the program runs for this user: the copy that
// holds the lock file runs, every other is refused. A lock left behind by a
// copy that died is taken over.
class SingleInstance final {
public:
    explicit SingleInstance(const QString& lockPath = defaultLockPath());
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this copy now holds the lock (or already held it).
    bool tryAcquire();

    // The user's runtime folder, or the temporary folder with the user's name
    // in the file name, since that folder is shared between users.
    static QString defaultLockPath();

private:
    QLockFile m_lock;
};

} // namespace ui

#include "ui/platform/SingleInstance.h"

#include <QDir>
#include <QRegularExpression>
#include <QStandardPaths>

namespace ui {

SingleInstance::SingleInstance(const QString& lockPath)
    : m_lock(lockPath)
{
    // Only a lock whose process is gone counts as stale, however old it is.
    m_lock.setStaleLockTime(0);
}

bool SingleInstance::tryAcquire()
{
    return m_lock.isLocked() || m_lock.tryLock(0);
}

QString SingleInstance::defaultLockPath()
{
    const QString fileName = QStringLiteral("vq-rudraksha-numerology.lock");
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return QDir(runtime).filePath(fileName);
    }
    QString user = qEnvironmentVariable("USER", qEnvironmentVariable("USERNAME", QStringLiteral("user")));
    user.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("vq-rudraksha-numerology-%1.lock").arg(user));
}

} // namespace ui

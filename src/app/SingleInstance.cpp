#include "app/SingleInstance.h"

#include "system/Folders.h"

#include <QDir>
#include <QStandardPaths>

namespace app {

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
    if (!cache.isEmpty() && !sys::homeFolder().isEmpty()) {
        folders << QDir(cache).filePath(QStringLiteral("vq-rudraksha-numerology"));
    }
    return folders;
}

} // namespace app

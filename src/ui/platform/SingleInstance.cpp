#include "ui/platform/SingleInstance.h"

#include "ui/platform/Program.h"

#include <QDir>
#include <QStandardPaths>

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

} // namespace ui

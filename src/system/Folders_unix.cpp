#include "system/Folders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace sys {

QString homeFolder()
{
    static bool warned = false;
    const QByteArray variable = qgetenv("HOME");
    QString home = QFile::decodeName(variable);
    if (!variable.isEmpty() && QDir::isAbsolutePath(home) && QFileInfo(home).isDir()) {
        return home;
    }
    if (!warned) {
        warned = true;
        const QFileInfo named(home);
        if (variable.isEmpty()) {
            qWarning("HOME is not set: no settings are kept.");
        } else if (!QDir::isAbsolutePath(home)) {
            qWarning("The home folder %s is not an absolute path: no settings are kept.", variable.constData());
        } else if (named.exists()) {
            qWarning("The home folder %s is not a folder but a %s: no settings are kept.", variable.constData(),
                named.isFile() ? "file" : "special file");
        } else {
            qWarning("The home folder %s does not exist: no settings are kept.", variable.constData());
        }
    }
    return {};
}

QString firstDialogFolder()
{
    return {};
}

} // namespace sys

#include "system/Folders.h"

#include <QDir>
#include <QStandardPaths>

namespace sys {

// Windows always gives a user a profile folder.
QString homeFolder()
{
    return QDir::homePath();
}

QString firstDialogFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace sys

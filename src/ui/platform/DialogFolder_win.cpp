#include "ui/platform/DialogFolder.h"

#include <QStandardPaths>

namespace ui {

QString firstDialogFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

} // namespace ui

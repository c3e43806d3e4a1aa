#include "ui/platform/Program.h"

#include <QDir>

namespace ui {

// Windows always gives a user a profile folder.
QString homeFolder()
{
    return QDir::homePath();
}

} // namespace ui

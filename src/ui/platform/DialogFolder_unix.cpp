#include "ui/platform/DialogFolder.h"

namespace ui {

QString firstDialogFolder()
{
    return {};
}

} // namespace ui

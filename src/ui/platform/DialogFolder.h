#pragma once

#include <QString>

namespace ui {

// The folder a file dialog opens in when Qt remembers none from earlier in the
// run or from an earlier run. On Unix an empty text: Qt's choice, the working
// folder, where a program started from a shell works. On Windows the user's
// Documents: a program started from the Start menu or a reading works in its
// own folder under Program Files, which the user cannot write to.
QString firstDialogFolder();

} // namespace ui

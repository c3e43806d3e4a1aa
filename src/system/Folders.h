#pragma once

#include <QString>

// The user's folders the program starts from (Folders_unix.cpp, Folders_win.cpp).
namespace sys {

// The user's home folder, or an empty text where HOME is unset or names no
// folder: the program then keeps nothing in the user's folders (no settings,
// no lock in the cache folder), and says so once on stderr.
QString homeFolder();

// The folder a file dialog opens in when Qt remembers none from earlier in the
// run or from an earlier run. On Unix an empty text: Qt's choice, the working
// folder, where a program started from a shell works. On Windows the user's
// Documents: a program started from the Start menu or a reading works in its
// own folder under Program Files, which the user cannot write to.
QString firstDialogFolder();

} // namespace sys

#pragma once

#include <QString>

namespace ui {

// Sets up the application object once, before any window: the organization and
// version names, the menu entry's name, the Fusion style, an end through EndProgram only, and no
// pixmap cache. The program, its tests and its tools all start with it.
void setUpApplication();

// The program's title, the caption of every message box.
QString ApplicationTitle();

// The caption of the program's windows: the title and the major and minor
// version, "VQ Rudraksha Numerology v1.0".
QString programCaption();

// The user's home folder, or an empty text where HOME is unset or names no
// folder: the program then keeps nothing in the user's folders (no settings,
// no lock in the cache folder), and says so once on stderr.
QString homeFolder();

// Closes every loaded window once and ends the event loop. A window already
// closing is not closed again, and a call made while the windows are being
// closed starts no second walk.
void EndProgram();

} // namespace ui

#pragma once

#include <QStringList>

// The fonts of the language the program speaks.
namespace ui {

// The font families that the language spoken now asks for ahead of the
// program's own, for a script of its own (Devanagari for Hindi); none for
// English.
QStringList scriptFamilies();

// Menus, tabs and Qt's dialogs speak the language in its own font as well:
// sets the application font for the language spoken now, and again each time
// the user chooses another (before the windows are made anew in it).
void followLanguageWithFont();

} // namespace ui

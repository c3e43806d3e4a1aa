#pragma once

#include <QStringList>

// The fonts of the language the program speaks.
namespace ui {

// Whether a font family of that name is installed. The installed families
// are listed once, the first time one is asked about: QFontDatabase::hasFamily
// runs the system's substitution rules (fontconfig's, on Linux) for every
// name it is given, which a font check does not need.
bool isFontInstalled(const QString& family);

// The font families that the language spoken now asks for ahead of the
// program's own, for a script of its own (Devanagari for Hindi); none for
// English.
QStringList scriptFamilies();

// Menus, tabs and Qt's dialogs speak the language in its own font as well:
// sets the application font for the language spoken now, and again each time
// the user chooses another (before the windows are made anew in it).
void followLanguageWithFont();

} // namespace ui

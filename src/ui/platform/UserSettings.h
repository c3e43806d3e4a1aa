#pragma once

#include <functional>

class QSettings;

// The program's per-user settings: the language, the recent readings, where
// each working window was left, and the update reminder's date. One store,
// read once at its first use and kept for the run; every change is written at
// once with the rest of the store, so writing one key never drops another.
// On Linux it is an INI file in the user's config folder, on Windows the
// registry (UserSettings_unix.cpp, UserSettings_win.cpp).
namespace ui {

// The store, for reading; changes go through changeUserSettings(). Where the
// user's file may not be used (no home folder; a file larger than 64 KB, or
// one that is not a regular file, which is left as it is), a store kept in
// memory for this run only, with one warning on stderr.
QSettings& userSettings();

// Makes the changes in the store, then writes it. Where the file has become
// something other than a regular file meanwhile, it is left as it is and the
// store is kept for this run only from then on.
void changeUserSettings(const std::function<void(QSettings&)>& change);

// Whether the store outlives the run: false for a store of this run only.
bool userSettingsKept();

} // namespace ui

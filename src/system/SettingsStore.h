#pragma once

#include <functional>

class QSettings;

// Where the program's per-user settings are kept: the store under the typed
// settings (Settings.h), which alone reads and writes it. One store,
// read once at its first use and kept for the run; every change is written at
// once with the rest of the store, so writing one key never drops another.
// On Linux it is an INI file in the user's config folder, on Windows the
// registry (SettingsStore_unix.cpp, SettingsStore_win.cpp).
namespace sys {

// The store, for reading; changes go through changeSettings(). Where the
// user's file may not be used (no home folder; a file larger than 64 KB, or
// one that is not a regular file, which is left as it is), a store kept in
// memory for this run only, with one warning on stderr.
QSettings& settingsStore();

// Makes the changes in the store, then writes it. Where the file has become
// something other than a regular file meanwhile, it is left as it is and the
// store is kept for this run only from then on.
void changeSettings(const std::function<void(QSettings&)>& change);

// Whether the store outlives the run: false for a store of this run only.
bool settingsKept();

} // namespace sys

#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QSettings;

// Where the program's per-user settings are kept: the store under the typed
// settings (Settings.h), which alone reads and writes it. One store, read at
// its first use and kept for the run; every change is made to the settings as
// they are on disk then, and written at once, so writing one key never drops
// another, nor what another copy wrote meanwhile. On Linux it is an INI file
// in the user's config folder that the program reads bounded and replaces
// through its own durable write, never waiting on a lock; on Windows the
// registry (SettingsStore_unix.cpp, SettingsStore_win.cpp).
namespace sys {

// The store, for reading; changes go through changeSettings(). Where the
// user's file may not be used (no home folder; a file that is not a regular
// file, which is left as it is), a store kept in memory for this run only,
// with one warning on stderr. A file larger than 64 KB, which no run of the
// program writes, is renamed aside (".too-large") and the settings start
// afresh.
QSettings& settingsStore();

// Makes the changes in the store, then writes it. Where the file has become
// something other than a regular file meanwhile, it is left as it is, and
// where it cannot be written, the store is kept for this run only from then
// on; SettingsNotifier tells so once.
void changeSettings(const std::function<void(QSettings&)>& change);

// Whether the store outlives the run: false for a store of this run only.
bool settingsKept();

// Whether a change could be written now: the file, or the folder it goes in,
// may be written.
bool settingsWritable();

// Where the store is kept (the file, or the registry key), for a message.
QString settingsLocation();

// Qt's file dialogs keep their own history in their own settings file, whose
// lock Qt waits on for as long as it stands and reads whole. Called before a
// dialog is made and before it is destroyed: where that file is not a regular
// file of a reasonable size, or a lock (or the remains of one) stands beside
// it, the dialogs keep no history for the rest of the run, with one line on
// stderr naming the file.
void guardDialogHistory();

// Tells when the settings could not be written and are kept for this run
// only: once a run.
class SettingsNotifier final : public QObject {
    Q_OBJECT

public:
    static SettingsNotifier* instance();

signals:
    void notWritten(const QString& location, const QString& reason);
};

} // namespace sys

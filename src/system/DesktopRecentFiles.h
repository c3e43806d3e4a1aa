#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The desktop's own list of recent files, where file managers, the desktop's
// "Recent" list and (on Windows) the taskbar's jump list find a reading.
namespace sys {

// Records the file at path, an absolute path, in the desktop's recent files.
// A list that cannot be read or written is left as it is.
void recordInDesktopRecentFiles(const QString& path);

// Where the desktop keeps the list: on Linux GTK's and KDE's document, the
// user's data folder's recently-used.xbel (DesktopRecentFiles_unix.cpp); on
// Windows the shell's Recent folder, a shortcut for each file.
QString desktopRecentFilesPath();

// The XBEL document existing (empty: no file yet) with path's bookmark added,
// or brought up to date at now, for this program and the media type of
// readings; every other bookmark stays as it was. Nothing when existing is not
// an XBEL document.
std::optional<QByteArray> withRecentFile(const QByteArray& existing, const QString& path, const QDateTime& now);

} // namespace sys

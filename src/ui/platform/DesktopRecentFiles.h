#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <optional>

// The desktop's own list of recent files, where file managers, the desktop's
// "Recent" list and (on Windows) the taskbar's jump list find a reading.
namespace ui {

// Records the file at path, an absolute path, in the desktop's recent files.
// A list that cannot be read or written is left as it is.
void recordInDesktopRecentFiles(const QString& path);

// On Linux the list is GTK's and KDE's, the user's data folder's
// recently-used.xbel (DesktopRecentFiles_unix.cpp).
QString desktopRecentFilesPath();

// The XBEL document existing (empty: no file yet) with path's bookmark added,
// or brought up to date at now, for this program and the media type of
// readings; every other bookmark stays as it was. Nothing when existing is not
// an XBEL document.
std::optional<QByteArray> withRecentFile(const QByteArray& existing, const QString& path, const QDateTime& now);

} // namespace ui

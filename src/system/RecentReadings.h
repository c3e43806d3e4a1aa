#pragma once

#include "system/Settings.h"

#include <QList>
#include <QString>

// The readings opened or saved lately: the program's own list, kept in the
// per-user settings, and the desktop's recent files, where file managers and
// the desktop's "Recent" list find them.
namespace sys {

// The list, newest first.
QList<RecentReading> recentReadings();

// Puts the reading at path first in the list, dropping an older entry of the
// same file and any past the eighth, and records it in the desktop's recent
// files (DesktopRecentFiles.h).
void noteRecentReading(const QString& path, const QString& personName);

// Drops the file from the list.
void forgetRecentReading(const QString& path);

} // namespace sys

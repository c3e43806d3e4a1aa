#pragma once

#include <QDate>

#include <memory>

class QSettings;

namespace ui {

// Once per start: when 15 days or more lie between today and the last
// reminder, asks whether to look for an update and opens the download page on
// Yes. The first start only stores today's date. Where the date cannot be
// stored, nothing is asked and a warning goes to stderr.
void CheckForUpdate(QDate today = QDate::currentDate());

// The per-user settings store of the reminder. Where the user's file may not
// be used (no home folder, or a file larger than 64 KB, which is left as it
// is), settings kept for this run only, with a warning on stderr.
std::unique_ptr<QSettings> openReminderSettings();

// The key under which the reminder's date is stored (the encoded word).
QString reminderKey();

} // namespace ui

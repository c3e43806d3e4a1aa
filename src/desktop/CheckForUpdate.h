#pragma once

#include <QDate>

class QSettings;

namespace modHelp {

// Once per start: when 15 days or more lie between today and the last
// reminder, asks whether to look for an update and opens the download page on
// Yes. The first start only stores today's date.
void CheckForUpdate(QDate today = QDate::currentDate());

// The per-user settings store of the reminder.
QSettings* OpenReminderSettings();

// The key name under which the reminder's date is stored (the encoded word).
QString ReminderKey();

} // namespace modHelp

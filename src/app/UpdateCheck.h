#pragma once

#include <QDate>
#include <QString>

#include <functional>

namespace app {

// Once per start: when 15 days or more lie between today and the last
// reminder, asks whether to look for an update and opens the download page on
// Yes. The first start only stores today's date. Where the date cannot be
// stored, nothing is asked: a read-only settings file says so on stderr, and
// settings kept for this run only have said so already.
//
// The date to keep goes to store (start-up writes it once the window is on
// screen); without one it is written at once.
void CheckForUpdate(QDate today = QDate::currentDate(), const std::function<void(const QString& date)>& store = {});

} // namespace app

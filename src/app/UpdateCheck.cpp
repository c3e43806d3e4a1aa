#include "app/UpdateCheck.h"

#include "core/storage/UpdateReminder.h"
#include "system/Settings.h"
#include "ui/desktop/Messages.h"
#include "ui/desktop/WebPages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>

namespace app {
namespace {

std::chrono::year_month_day toCore(QDate date)
{
    return std::chrono::year_month_day{std::chrono::year{date.year()},
        std::chrono::month{static_cast<unsigned>(date.month())}, std::chrono::day{static_cast<unsigned>(date.day())}};
}

// The stored text read as a short date of the user's locale. A two-digit year
// is taken in the century that puts it nearest today.
std::optional<std::chrono::year_month_day> readShortDate(const QString& text, QDate today)
{
    const QLocale locale;
    QDate date = locale.toDate(text, QLocale::ShortFormat);
    if (!date.isValid()) {
        return std::nullopt;
    }
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) {
        while (date.year() < today.year() - 50) {
            date = date.addYears(100);
        }
    }
    return toCore(date);
}

} // namespace

void CheckForUpdate(QDate today, const std::function<void(const QString& date)>& store)
{
    // Settings kept for this run only hold no date: every start would be a
    // first one, and the store has said so already.
    if (!sys::Settings::areKept()) {
        return;
    }
    const QString stored = sys::Settings::reminderDate();
    const core::ReminderDecision decision
        = core::decideReminder(toCore(today), stored.toStdString(), readShortDate(stored, today));

    if (decision.store && !sys::Settings::canBeChanged()) {
        // Asking would come back at every start, since the answer's date
        // cannot be kept.
        qWarning("The update reminder's date cannot be stored in %s; no update question is asked.",
            qPrintable(QDir::toNativeSeparators(sys::Settings::location())));
        return;
    }

    const bool openPage = decision.ask
        && ui::askYesNo(nullptr,
            QCoreApplication::translate("app::UpdateCheck",
                "There maybe an update to this software available\r"
                "Do you want to check for an update?"));
    if (decision.store) {
        const QString date = QString::fromStdString(*decision.store);
        if (store) {
            store(date);
        } else {
            sys::Settings::setReminderDate(date);
        }
    }
    if (openPage) {
        ui::OpenUpdatePage();
    }
}

} // namespace app

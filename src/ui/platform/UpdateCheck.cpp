#include "ui/platform/UpdateCheck.h"

#include "core/storage/TextCodec.h"
#include "core/storage/UpdateReminder.h"
#include "ui/platform/Program.h"
#include "ui/platform/UserSettings.h"
#include "ui/platform/WebPages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>

namespace ui {
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

QString encode(const QString& text)
{
    return QString::fromStdString(core::EncodeText(text.toStdString()));
}

QString decode(const QString& text)
{
    return QString::fromStdString(core::DecodeText(text.toStdString()));
}

} // namespace

QString reminderKey()
{
    return QStringLiteral("Settings/") + encode(QStringLiteral("Duration"));
}

void CheckForUpdate(QDate today)
{
    // A store kept for this run only holds no date: every start would be a
    // first one, and the store has said so already.
    if (!userSettingsKept()) {
        return;
    }
    QSettings& settings = userSettings();
    const QString stored = decode(settings.value(reminderKey()).toString());
    const core::ReminderDecision decision
        = core::decideReminder(toCore(today), stored.toStdString(), readShortDate(stored, today));

    if (decision.store && !settings.isWritable()) {
        // Asking would come back at every start, since the answer's date
        // cannot be kept.
        qWarning("The update reminder's date cannot be stored in %s; no update question is asked.",
            qPrintable(QDir::toNativeSeparators(settings.fileName())));
        return;
    }

    bool openPage = false;
    if (decision.ask) {
        QMessageBox question(QMessageBox::Information, ApplicationTitle(),
            QCoreApplication::translate("ui::UpdateCheck",
                "There maybe an update to this software available\r"
                "Do you want to check for an update?"),
            QMessageBox::Yes | QMessageBox::No);
        openPage = question.exec() == QMessageBox::Yes;
    }
    if (decision.store) {
        changeUserSettings([&decision](QSettings& store) {
            store.setValue(reminderKey(), encode(QString::fromStdString(*decision.store)));
        });
    }
    if (openPage) {
        OpenUpdatePage();
    }
}

} // namespace ui

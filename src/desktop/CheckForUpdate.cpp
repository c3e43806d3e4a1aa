#include "desktop/CheckForUpdate.h"

#include "desktop/UpdateReminder.h"
#include "desktop/modHelp.h"
#include "result/TextCodec.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>

#include <memory>

namespace modHelp {
namespace {

std::chrono::year_month_day ToCore(QDate date)
{
    return std::chrono::year_month_day{std::chrono::year{date.year()},
        std::chrono::month{static_cast<unsigned>(date.month())}, std::chrono::day{static_cast<unsigned>(date.day())}};
}

// The stored text read as a short date of the user's locale. A two-digit year
// is taken in the century that puts it nearest today.
std::optional<std::chrono::year_month_day> ReadShortDate(const QString& text, QDate today)
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
    return ToCore(date);
}

QString Encode(const QString& text)
{
    return QString::fromStdString(TextCodec::EncodeText(text.toStdString()));
}

QString Decode(const QString& text)
{
    return QString::fromStdString(TextCodec::DecodeText(text.toStdString()));
}

} // namespace

QSettings* OpenReminderSettings()
{
    // Organization from the application names; application: the executable's base name.
    return new QSettings(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
        QCoreApplication::applicationName());
}

QString ReminderKey()
{
    return QStringLiteral("Settings/") + Encode(QStringLiteral("Duration"));
}

void CheckForUpdate(QDate today)
{
    const std::unique_ptr<QSettings> settings(OpenReminderSettings());
    const QString stored = Decode(settings->value(ReminderKey()).toString());
    const UpdateReminder::Decision decision
        = UpdateReminder::Decide(ToCore(today), stored.toStdString(), ReadShortDate(stored, today));

    bool openPage = false;
    if (decision.ask) {
        QMessageBox question(QMessageBox::Information, ApplicationTitle(),
            QStringLiteral("There maybe an update to this software available\r"
                           "Do you want to check for an update?"),
            QMessageBox::Yes | QMessageBox::No);
        openPage = question.exec() == QMessageBox::Yes;
    }
    if (decision.store) {
        settings->setValue(ReminderKey(), Encode(QString::fromStdString(*decision.store)));
        settings->sync();
    }
    if (openPage) {
        OpenUpdatePage();
    }
}

} // namespace modHelp

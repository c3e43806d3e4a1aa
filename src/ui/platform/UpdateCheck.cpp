#include "ui/platform/UpdateCheck.h"

#include "core/storage/TextCodec.h"
#include "core/storage/UpdateReminder.h"
#include "ui/platform/Program.h"
#include "ui/platform/WebPages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QSettings>
#include <QTemporaryDir>

#include <utility>

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

// A settings file larger than this is not ours: reading it would cost seconds
// and hundreds of megabytes at every start.
constexpr qint64 kLargestSettingsFile = qint64{64} * 1024;

// The per-user settings file as QSettings names it, found without reading it:
// a format of our own with the INI suffix lives in the INI format's folders.
QString userSettingsFile()
{
    static const QSettings::Format nameOnly = QSettings::registerFormat(
        QStringLiteral("ini"), [](QIODevice&, QSettings::SettingsMap&) { return true; },
        [](QIODevice&, const QSettings::SettingsMap&) { return true; });
    return QSettings(
        nameOnly, QSettings::UserScope, QCoreApplication::organizationName(), QCoreApplication::applicationName())
        .fileName();
}

// Settings for this run only, in a folder of its own that is removed when the
// program ends: the user's file is neither read nor rewritten.
std::unique_ptr<QSettings> settingsOfThisRun()
{
    static const QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("vq-rudraksha-numerology-XXXXXX")));
    const QString file = folder.isValid()
        ? folder.filePath(QStringLiteral("settings.ini"))
        : QDir::temp().filePath(
            QStringLiteral("vq-rudraksha-numerology-%1.ini").arg(QCoreApplication::applicationPid()));
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}

} // namespace

std::unique_ptr<QSettings> openReminderSettings()
{
    if (homeFolder().isEmpty()) {
        // Nor is the file dialogs' history written into a home that is not there.
        static const bool redirected = [] {
            QSettings::setPath(
                QSettings::NativeFormat, QSettings::UserScope, QFileInfo(settingsOfThisRun()->fileName()).path());
            return true;
        }();
        (void)redirected;
        return settingsOfThisRun();
    }
    const QFileInfo file(userSettingsFile());
    if (file.exists() && file.size() > kLargestSettingsFile) {
        static bool warned = false;
        if (!std::exchange(warned, true)) {
            qWarning("The settings file %s is larger than %lld bytes and is left alone: no settings are kept.",
                qPrintable(QDir::toNativeSeparators(file.filePath())), kLargestSettingsFile);
        }
        return settingsOfThisRun();
    }
    // Organization from the application names; application: the executable's base name.
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QCoreApplication::organizationName(),
        QCoreApplication::applicationName());
}

QString reminderKey()
{
    return QStringLiteral("Settings/") + encode(QStringLiteral("Duration"));
}

void CheckForUpdate(QDate today)
{
    const std::unique_ptr<QSettings> settings = openReminderSettings();
    const QString stored = decode(settings->value(reminderKey()).toString());
    const core::ReminderDecision decision
        = core::decideReminder(toCore(today), stored.toStdString(), readShortDate(stored, today));

    if (decision.store && !settings->isWritable()) {
        // Asking would come back at every start, since the answer's date
        // cannot be kept.
        qWarning("The update reminder's date cannot be stored in %s; no update question is asked.",
            qPrintable(QDir::toNativeSeparators(settings->fileName())));
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
        settings->setValue(reminderKey(), encode(QString::fromStdString(*decision.store)));
        settings->sync();
    }
    if (openPage) {
        OpenUpdatePage();
    }
}

} // namespace ui

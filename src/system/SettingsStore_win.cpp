#include "system/SettingsStore.h"

#include <QCoreApplication>
#include <QSettings>

#include <memory>
#include <utility>

namespace sys {
namespace {

// The registry key of the organization and the application under
// HKEY_CURRENT_USER\Software, where Windows programs keep their settings.
QSettings& store()
{
    static std::unique_ptr<QSettings> current;
    const QString organization = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    if (!current || current->organizationName() != organization || current->applicationName() != application) {
        current = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, organization, application);
    }
    return *current;
}

} // namespace

QSettings& settingsStore()
{
    return store();
}

void changeSettings(const std::function<void(QSettings&)>& change)
{
    // The registry is read key by key, so a change is made to what is there
    // now, and written key by key.
    change(store());
    store().sync();
    static bool told = false;
    if (store().status() != QSettings::NoError && !std::exchange(told, true)) {
        qWarning("The settings cannot be written to %s.", qPrintable(settingsLocation()));
        emit SettingsNotifier::instance()->notWritten(settingsLocation(), QString());
    }
}

bool settingsKept()
{
    return true;
}

bool settingsWritable()
{
    return store().isWritable();
}

QString settingsLocation()
{
    return store().fileName();
}

// The dialogs keep their history in the registry, which has no lock files.
void guardDialogHistory() { }

} // namespace sys

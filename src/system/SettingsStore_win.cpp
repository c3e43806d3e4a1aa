#include "system/SettingsStore.h"

#include <QCoreApplication>
#include <QSettings>

#include <memory>

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
    change(store());
    store().sync();
}

bool settingsKept()
{
    return true;
}

} // namespace sys

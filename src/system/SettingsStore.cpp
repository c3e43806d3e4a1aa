#include "system/SettingsStore.h"

namespace sys {

SettingsNotifier* SettingsNotifier::instance()
{
    static auto* const notifier = new SettingsNotifier;
    return notifier;
}

} // namespace sys

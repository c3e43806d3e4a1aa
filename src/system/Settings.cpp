#include "system/Settings.h"

#include "core/storage/TextCodec.h"
#include "system/FileAccess.h"
#include "system/SettingsStore.h"

#include <QDir>
#include <QSettings>

#include <algorithm>
#include <utility>

namespace sys {
namespace {

// Every key of the program's settings. Their bytes in the file and the
// registry are those of every earlier version.
const QString kLanguage = QStringLiteral("Language/uiLanguage");
const QString kGridHoldsNumbers = QStringLiteral("Chart/gridHoldsNumbers");
const QString kReadingsFolder = QStringLiteral("Readings/folder");
const QString kRecentList = QStringLiteral("Recent");
const QString kRecentPath = QStringLiteral("path");
const QString kRecentName = QStringLiteral("name");
// Windows/<object name>/position, size, maximized
QString windowKey(const QString& window, const char* name)
{
    return QStringLiteral("Windows/%1/%2").arg(window, QLatin1String(name));
}
// The reminder's key is the word "Duration" shifted, in section "Settings".
QString reminderKey()
{
    return QStringLiteral("Settings/") + QString::fromStdString(core::EncodeText("Duration"));
}

// The path as stored: as text, or where its name is not UTF-8 (on Linux,
// where a name is any bytes; its text then holds lone surrogates), as the
// bytes the file system holds, which text would turn into U+FFFD for good.
QVariant storedPath(const QString& path)
{
    return path.isValidUtf16() ? QVariant(path) : QVariant(nativePath(path));
}

QString pathFromStored(const QVariant& stored)
{
    return stored.typeId() == QMetaType::QByteArray ? pathFromNative(stored.toByteArray()) : stored.toString();
}

QList<RecentReading> recentReadingsIn(QSettings& store)
{
    QList<RecentReading> list;
    // Only the first entries are looked at, whatever size the list claims.
    const int size = std::min(store.beginReadArray(kRecentList), static_cast<int>(Settings::MostRecentReadings));
    for (int i = 0; i < size; ++i) {
        store.setArrayIndex(i);
        const QString path = pathFromStored(store.value(kRecentPath));
        if (!path.isEmpty()) {
            list.append({path, store.value(kRecentName).toString()});
        }
    }
    store.endArray();
    return list;
}

} // namespace

QString Settings::language()
{
    return settingsStore().value(kLanguage).toString();
}

void Settings::setLanguage(const QString& code)
{
    changeSettings([&code](QSettings& store) { store.setValue(kLanguage, code); });
}

QList<RecentReading> Settings::recentReadings()
{
    return recentReadingsIn(settingsStore());
}

void Settings::changeRecentReadings(const std::function<void(QList<RecentReading>&)>& change)
{
    changeSettings([&change](QSettings& store) {
        QList<RecentReading> list = recentReadingsIn(store);
        change(list);
        list.removeIf([](const RecentReading& entry) { return entry.path.size() > LongestRecentPath; });
        store.remove(kRecentList);
        const qsizetype size = std::min(list.size(), MostRecentReadings);
        store.beginWriteArray(kRecentList, static_cast<int>(size));
        for (qsizetype i = 0; i < size; ++i) {
            store.setArrayIndex(static_cast<int>(i));
            store.setValue(kRecentPath, storedPath(list.at(i).path));
            store.setValue(kRecentName, list.at(i).personName.left(LongestRecentName));
        }
        store.endArray();
    });
}

WindowPlace Settings::windowPlace(const QString& window)
{
    const QSettings& store = settingsStore();
    WindowPlace place;
    const QVariant position = store.value(windowKey(window, "position"));
    if (position.typeId() == QMetaType::QPoint) {
        place.position = position.toPoint();
    }
    const QVariant size = store.value(windowKey(window, "size"));
    if (size.typeId() == QMetaType::QSize && size.toSize().isValid()) {
        place.size = size.toSize();
    }
    place.maximized = store.value(windowKey(window, "maximized")).toBool();
    return place;
}

void Settings::setWindowPlace(const QString& window, const WindowPlace& place)
{
    const QSettings& store = settingsStore();
    QList<std::pair<QString, QVariant>> changes; // an invalid value removes the key
    const auto set = [&](const QString& key, const QVariant& value) {
        if (store.value(key) != value) {
            changes.append({key, value});
        }
    };
    const auto unset = [&](const QString& key) {
        if (store.contains(key)) {
            changes.append({key, QVariant()});
        }
    };
    if (place.maximized) {
        set(windowKey(window, "maximized"), true);
    } else {
        unset(windowKey(window, "maximized"));
        if (place.position) {
            set(windowKey(window, "position"), *place.position);
        }
        if (place.size) {
            set(windowKey(window, "size"), *place.size);
        } else {
            unset(windowKey(window, "size"));
        }
    }
    if (changes.isEmpty()) {
        return;
    }
    changeSettings([&changes](QSettings& settings) {
        for (const auto& [key, value] : changes) {
            if (value.isValid()) {
                settings.setValue(key, value);
            } else {
                settings.remove(key);
            }
        }
    });
}

QString Settings::readingsFolder()
{
    const QString folder = pathFromStored(settingsStore().value(kReadingsFolder));
    return QDir::isAbsolutePath(folder) && factsOf(folder).kind == FileKind::Folder ? folder : QString();
}

void Settings::setReadingsFolder(const QString& folder)
{
    if (pathFromStored(settingsStore().value(kReadingsFolder)) != folder) {
        changeSettings([&folder](QSettings& store) { store.setValue(kReadingsFolder, storedPath(folder)); });
    }
}

bool Settings::gridHoldsNumbers()
{
    return settingsStore().value(kGridHoldsNumbers).toBool();
}

void Settings::setGridHoldsNumbers(bool holds)
{
    changeSettings([holds](QSettings& store) { store.setValue(kGridHoldsNumbers, holds); });
}

QString Settings::reminderDate()
{
    return QString::fromStdString(core::DecodeText(settingsStore().value(reminderKey()).toString().toStdString()));
}

void Settings::setReminderDate(const QString& date)
{
    changeSettings([&date](QSettings& store) {
        store.setValue(reminderKey(), QString::fromStdString(core::EncodeText(date.toStdString())));
    });
}

bool Settings::areKept()
{
    return settingsKept();
}

bool Settings::canBeChanged()
{
    return settingsWritable();
}

QString Settings::location()
{
    return settingsLocation();
}

} // namespace sys

#include "ui/platform/RecentReadings.h"

#include "ui/platform/DesktopRecentFiles.h"
#include "ui/platform/FileAccess.h"
#include "ui/platform/UserSettings.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include <algorithm>

namespace ui {
namespace {

const QString kList = QStringLiteral("Recent");
const QString kPath = QStringLiteral("path");
const QString kName = QStringLiteral("name");

// A name longer than this is cut in the menu.
constexpr qsizetype kLongestShownName = 40;

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

void storeList(const QList<RecentReading>& list)
{
    changeUserSettings([&list](QSettings& settings) {
        settings.remove(kList);
        settings.beginWriteArray(kList, static_cast<int>(list.size()));
        for (qsizetype i = 0; i < list.size(); ++i) {
            settings.setArrayIndex(static_cast<int>(i));
            settings.setValue(kPath, storedPath(list.at(i).path));
            settings.setValue(kName, list.at(i).personName);
        }
        settings.endArray();
    });
}

QString absolute(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

QList<RecentReading> recentReadings()
{
    QSettings& settings = userSettings();
    QList<RecentReading> list;
    // Only the first entries are looked at, whatever size the list claims.
    const int size = std::min(settings.beginReadArray(kList), static_cast<int>(MaxRecentReadings));
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        const QString path = pathFromStored(settings.value(kPath));
        if (!path.isEmpty()) {
            list.append({path, settings.value(kName).toString()});
        }
    }
    settings.endArray();
    return list;
}

void noteRecentReading(const QString& path, const QString& personName)
{
    const QString file = absolute(path);
    QList<RecentReading> list = recentReadings();
    list.removeIf([&file](const RecentReading& entry) { return entry.path == file; });
    list.prepend({file, personName});
    storeList(list.mid(0, MaxRecentReadings));
    recordInDesktopRecentFiles(file);
}

void forgetRecentReading(const QString& path)
{
    const QString file = absolute(path);
    QList<RecentReading> list = recentReadings();
    if (list.removeIf([&file](const RecentReading& entry) { return entry.path == file; }) > 0) {
        storeList(list);
    }
}

RecentReadingsMenu::RecentReadingsMenu(QMenu* menu, QAction* before)
    : QObject(menu)
    , m_menu(menu)
    , m_before(before)
{
    // Separators on both sides; the menu hides those at its top and doubled ones.
    menu->insertSeparator(before)->setObjectName(QStringLiteral("mnuRecentAbove"));
    menu->insertSeparator(before)->setObjectName(QStringLiteral("mnuRecentBelow"));
    m_before = menu->actions().at(menu->actions().indexOf(before) - 1);
    connect(menu, &QMenu::aboutToShow, this, &RecentReadingsMenu::refresh);
    refresh();
}

void RecentReadingsMenu::refresh()
{
    qDeleteAll(m_entries);
    m_entries.clear();
    const QList<RecentReading> list = recentReadings();
    for (qsizetype i = 0; i < list.size(); ++i) {
        QString name = list.at(i).personName;
        if (name.size() > kLongestShownName) {
            name = name.left(kLongestShownName - 1) + QChar(0x2026);
        }
        name.replace(QLatin1Char('&'), QLatin1String("&&"));
        QString file = QFileInfo(list.at(i).path).fileName();
        file.replace(QLatin1Char('&'), QLatin1String("&&"));
        // The number is the entry's access key.
        auto* entry = new QAction(tr("&%1 %2 (%3)").arg(i + 1).arg(name, file), m_menu);
        entry->setObjectName(QStringLiteral("mnuRecent_%1").arg(i));
        const QString path = list.at(i).path;
        connect(entry, &QAction::triggered, this, [this, path] { emit chosen(path); });
        m_menu->insertAction(m_before, entry);
        m_entries.append(entry);
    }
}

} // namespace ui

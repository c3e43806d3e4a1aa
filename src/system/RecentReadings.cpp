#include "system/RecentReadings.h"

#include "system/DesktopRecentFiles.h"

#include <QFileInfo>

namespace sys {
namespace {

QString absolute(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

QList<RecentReading> recentReadings()
{
    return Settings::recentReadings();
}

void noteRecentReading(const QString& path, const QString& personName)
{
    const QString file = absolute(path);
    QList<RecentReading> list = recentReadings();
    list.removeIf([&file](const RecentReading& entry) { return entry.path == file; });
    list.prepend({file, personName});
    Settings::setRecentReadings(list);
    recordInDesktopRecentFiles(file);
}

void forgetRecentReading(const QString& path)
{
    const QString file = absolute(path);
    QList<RecentReading> list = recentReadings();
    if (list.removeIf([&file](const RecentReading& entry) { return entry.path == file; }) > 0) {
        Settings::setRecentReadings(list);
    }
}

} // namespace sys

#include "system/RecentReadings.h"

#include "system/DesktopRecentFiles.h"

#include <QFileInfo>

#include <algorithm>

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
    Settings::changeRecentReadings([&](QList<RecentReading>& list) {
        list.removeIf([&file](const RecentReading& entry) { return entry.path == file; });
        list.prepend({file, personName});
    });
    recordInDesktopRecentFiles(file);
}

void forgetRecentReading(const QString& path)
{
    const QString file = absolute(path);
    const QList<RecentReading> listed = recentReadings();
    if (std::none_of(
            listed.cbegin(), listed.cend(), [&file](const RecentReading& entry) { return entry.path == file; })) {
        return;
    }
    Settings::changeRecentReadings([&file](QList<RecentReading>& list) {
        list.removeIf([&file](const RecentReading& entry) { return entry.path == file; });
    });
}

} // namespace sys

#include "system/DesktopRecentFiles.h"

#include "system/FileAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <utility>

// The desktop's recent files on Linux: GTK's and KDE's XBEL document in the
// user's data folder.
namespace sys {
namespace {

// A recent-files list past this size is left alone rather than read whole.
constexpr qint64 kLargestRecentFiles = qint64{64} * 1024 * 1024;

} // namespace

void recordInDesktopRecentFiles(const QString& path)
{
    // The desktop's list is a convenience: a file that cannot be read or
    // written is left as it is, and so is anything but a regular file.
    const QString recent = desktopRecentFilesPath();
    const FileContents current = readRegularFile(recent, kLargestRecentFiles);
    if (current.status != FileContents::Status::Read && current.status != FileContents::Status::Missing) {
        static bool warned = false;
        if (!std::exchange(warned, true)) {
            qWarning("The desktop's recent files %s %s and are left alone.",
                qPrintable(QDir::toNativeSeparators(recent)),
                current.status == FileContents::Status::TooLarge         ? "are larger than 64 MB"
                    : current.status == FileContents::Status::NotRegular ? "are not a regular file"
                                                                         : "cannot be read");
        }
        return;
    }
    const std::optional<QByteArray> updated = withRecentFile(current.bytes, path, QDateTime::currentDateTimeUtc());
    if (!updated || !QDir().mkpath(QFileInfo(recent).absolutePath())) {
        return;
    }
    // Which files the user opened is the user's own business.
    writeWholeFile(recent, *updated, NewFileAccess::OwnerOnly);
}

QString desktopRecentFilesPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("recently-used.xbel"));
}

} // namespace sys

#include "system/ReadingFolder.h"

#include "core/storage/ReadingFileLayout.h"
#include "system/FileAccess.h"
#include "system/FileAccess_p.h"
#include "system/Folders.h"
#include "system/SavedReadings.h"
#include "system/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace sys {
namespace {

QString why(const char* text)
{
    return QCoreApplication::translate("sys::ReadingFolder", text);
}

// The names of a folder's entries of those kinds, in no order; hidden ones
// left out, as a file manager leaves them out.
QStringList entriesOf(const QString& folder, QDir::Filters kinds)
{
    return QDir(folder).entryList(kinds | QDir::NoDotAndDotDot, QDir::Unsorted);
}

// The path as seen from root: "clients/ann.rkn".
QString nameFrom(const QString& root, const QString& path)
{
    const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
    return path.startsWith(prefix) ? path.mid(prefix.size()) : QDir(root).relativeFilePath(path);
}

} // namespace

QStringList readingFolders(const QString& root)
{
    if (root.isEmpty() || factsOf(root).kind != FileKind::Folder) {
        return {};
    }
    QStringList folders{root};
    const QDir dir(root);
    const QString canonicalRoot = dir.canonicalPath();
    for (const QString& name : entriesOf(root, QDir::Dirs)) {
        const QString folder = dir.filePath(name);
        // A link back to the folder itself would list its readings twice.
        if (name.startsWith(QLatin1Char('.'))
            || (QFileInfo(folder).isSymLink() && QFileInfo(folder).canonicalFilePath() == canonicalRoot)) {
            continue;
        }
        folders.append(folder);
    }
    return folders;
}

QStringList readingFilesIn(const QString& folder)
{
    QStringList paths;
    const QDir dir(folder);
    // Files, and what is neither file nor folder (a pipe, a device, a link
    // that leads nowhere), so that it can be named as no reading.
    for (const QString& name : entriesOf(folder, QDir::Files | QDir::System)) {
        // A name with a dot in front is hidden on every system; so is the
        // unfinished file of a save cut short.
        if (isReadingFileName(name) && !name.startsWith(QLatin1Char('.')) && !name.startsWith(unfinishedSavePrefix())) {
            paths.append(dir.filePath(name));
        }
    }
    return paths;
}

std::optional<FolderReading> readFolderReading(const QString& path, const QString& root)
{
    // One look at what stands there, every link followed, without opening it.
    const QFileInfo info(path);
    FolderReading reading;
    reading.path = path;
    reading.fileName = nameFrom(root, path);
    if (!info.exists()) {
        if (!info.isSymLink()) {
            return std::nullopt; // removed since it was listed
        }
        reading.problem
            = why(QT_TRANSLATE_NOOP("sys::ReadingFolder", "A link that leads nowhere, or round in a loop."));
        return reading;
    }
    if (info.isDir()) {
        return std::nullopt;
    }
    reading.saved = info.lastModified();
    if (!info.isFile()) {
        reading.problem
            = why(QT_TRANSLATE_NOOP("sys::ReadingFolder", "A named pipe, a device or a socket, not a file."));
        return reading;
    }
    const FileContents file = readRegularFile(path, LargestReadingFile);
    switch (file.status) {
    case FileContents::Status::Read:
        reading.input = core::readingFromFileBytes(
            std::string_view(file.bytes.constData(), static_cast<std::size_t>(file.bytes.size())));
        if (!reading.input) {
            reading.problem
                = why(QT_TRANSLATE_NOOP("sys::ReadingFolder", "Damaged: it does not hold a whole reading."));
        }
        return reading;
    case FileContents::Status::Missing:
        return std::nullopt;
    case FileContents::Status::NotRegular:
        reading.problem
            = why(QT_TRANSLATE_NOOP("sys::ReadingFolder", "A named pipe, a device or a socket, not a file."));
        return reading;
    case FileContents::Status::TooLarge:
        reading.problem = why(QT_TRANSLATE_NOOP("sys::ReadingFolder", "Too large to be a reading."));
        return reading;
    case FileContents::Status::Unreadable:
        break;
    }
    reading.problem = why(QT_TRANSLATE_NOOP("sys::ReadingFolder", "It cannot be read: you may not have permission."));
    return reading;
}

QList<FolderReading> readingsIn(const QString& root)
{
    QList<FolderReading> readings;
    for (const QString& folder : readingFolders(root)) {
        for (const QString& path : readingFilesIn(folder)) {
            if (std::optional<FolderReading> reading = readFolderReading(path, root)) {
                readings.append(std::move(*reading));
            }
        }
    }
    return readings;
}

QString defaultReadingsFolder()
{
    if (QString kept = Settings::readingsFolder(); !kept.isEmpty()) {
        return kept;
    }
    const QString home = homeFolder();
    if (home.isEmpty()) {
        return {};
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && factsOf(documents).kind == FileKind::Folder ? documents : home;
}

void noteReadingSavedAt(const QString& path)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    const QString current = Settings::readingsFolder();
    if (!current.isEmpty()
        && (folder == QFileInfo(current) || QFileInfo(folder.absolutePath()) == QFileInfo(current))) {
        return;
    }
    Settings::setReadingsFolder(folder.absoluteFilePath());
}

} // namespace sys

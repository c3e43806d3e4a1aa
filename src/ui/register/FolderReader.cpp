#include "ui/register/FolderReader.h"

#include "system/ReadingFolder.h"

#include <QElapsedTimer>

namespace ui {
namespace {

// A batch goes to the list at least this often while the folder is read,
// and holds at most this many files.
constexpr qint64 kBatchMs = 100;
constexpr qsizetype kLargestBatch = 2000;

} // namespace

void FolderReader::readAll(quint64 reading, const QString& root)
{
    const QStringList folders = sys::readingFolders(root);
    emit foldersFound(reading, folders);
    QList<RegisterEntry> batch;
    QElapsedTimer sinceBatch;
    sinceBatch.start();
    for (const QString& folder : folders) {
        for (const QString& path : sys::readingFilesIn(folder)) {
            if (m_wanted.load() != reading) {
                return;
            }
            if (const std::optional<sys::FolderReading> file = sys::readFolderReading(path, root)) {
                batch.append(registerEntry(*file, folder));
            }
            if (!batch.isEmpty() && (batch.size() >= kLargestBatch || sinceBatch.elapsed() >= kBatchMs)) {
                emit batchRead(reading, batch);
                batch.clear();
                sinceBatch.restart();
            }
        }
    }
    if (!batch.isEmpty()) {
        emit batchRead(reading, batch);
    }
    emit allRead(reading);
}

void FolderReader::readFolder(quint64 reading, const QString& root, const QString& folder)
{
    if (m_wanted.load() != reading) {
        return;
    }
    if (folder == root) {
        emit foldersFound(reading, sys::readingFolders(root));
    }
    QList<RegisterEntry> entries;
    for (const QString& path : sys::readingFilesIn(folder)) {
        if (m_wanted.load() != reading) {
            return;
        }
        if (const std::optional<sys::FolderReading> file = sys::readFolderReading(path, root)) {
            entries.append(registerEntry(*file, folder));
        }
    }
    emit folderRead(reading, folder, entries);
}

} // namespace ui

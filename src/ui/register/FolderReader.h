#pragma once

#include "ui/register/ReadingsModel.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <atomic>

namespace ui {

// Reads the register's folder on the live folder's thread (LiveFolder.h).
// Each reading is numbered; a call stops between two files once another
// number is wanted, and what it tells carries its number.
class FolderReader final : public QObject {
    Q_OBJECT

public:
    explicit FolderReader(const std::atomic<quint64>& wanted)
        : m_wanted(wanted)
    { }

    // The folders of root, then its readings in batches, then allRead.
    void readAll(quint64 reading, const QString& root);
    // One of the folders anew, as folderRead; for root, its folders first.
    void readFolder(quint64 reading, const QString& root, const QString& folder);

signals:
    void foldersFound(quint64 reading, const QStringList& folders);
    void batchRead(quint64 reading, const QList<ui::RegisterEntry>& entries);
    void allRead(quint64 reading);
    void folderRead(quint64 reading, const QString& folder, const QList<ui::RegisterEntry>& entries);

private:
    const std::atomic<quint64>& m_wanted;
};

} // namespace ui

#pragma once

#include "ui/register/ReadingsModel.h"

#include <QFileSystemWatcher>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QThread>
#include <QTimer>

#include <atomic>

namespace ui {

class FolderReader;

// The register's folder as it stands on disk: read on a thread of its own
// and told in batches, then kept up to date while it lives. A reading saved,
// renamed or removed in the folder or a folder inside it is told within a
// second, that folder alone read again; a folder made or removed inside it is
// watched or left. Destroying it stops the reading between two files and
// waits for the thread.
class LiveFolder final : public QObject {
    Q_OBJECT

public:
    explicit LiveFolder(QObject* parent = nullptr);
    ~LiveFolder() override;
    LiveFolder(const LiveFolder&) = delete;
    LiveFolder& operator=(const LiveFolder&) = delete;

    // Reads root anew; nothing more is told of the folder read before.
    void read(const QString& root);
    bool isFilling() const { return m_filling; }

signals:
    void batchRead(const QList<ui::RegisterEntry>& entries);
    // The whole folder has been read.
    void filled();
    // A folder (root, or one inside it) as it now stands, after a change.
    void folderChanged(const QString& folder, const QList<ui::RegisterEntry>& entries);

private:
    void watch(const QStringList& folders);
    void readAgain(const QString& folder);
    void readPending();

    std::atomic<quint64> m_wanted{0}; // the reading that is wanted; 0: none
    QThread m_thread;
    FolderReader* m_reader = nullptr;
    QFileSystemWatcher m_watcher;
    QString m_root;
    QStringList m_folders;
    QSet<QString> m_pending;
    QTimer m_settle; // changes come in bursts: the folder is read once they settle
    QSet<QString> m_lookAgain;
    QTimer m_lookAgainTimer;
    bool m_filling = false;
};

} // namespace ui

#include "ui/register/LiveFolder.h"

#include "ui/register/FolderReader.h"

#include <QDateTime>

namespace ui {
namespace {

// How long the folder is left to settle after a change before it is read.
constexpr int kSettleMs = 150;

// A file that is no reading and changed as recently as this may still be
// being written: its folder is read once more after a second.
constexpr qint64 kFreshSeconds = 2;
constexpr int kLookAgainMs = 1000;

} // namespace

LiveFolder::LiveFolder(QObject* parent)
    : QObject(parent)
    , m_reader(new FolderReader(m_wanted))
{
    m_thread.setObjectName(QStringLiteral("register"));
    m_reader->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_reader, &QObject::deleteLater);

    const auto current = [this](quint64 reading) { return reading == m_wanted.load(); };
    connect(m_reader, &FolderReader::foldersFound, this, [this, current](quint64 reading, const QStringList& folders) {
        if (current(reading)) {
            watch(folders);
        }
    });
    connect(m_reader, &FolderReader::batchRead, this,
        [this, current](quint64 reading, const QList<RegisterEntry>& entries) {
            if (current(reading)) {
                emit batchRead(entries);
            }
        });
    connect(m_reader, &FolderReader::allRead, this, [this, current](quint64 reading) {
        if (current(reading)) {
            m_filling = false;
            emit filled();
        }
    });
    connect(m_reader, &FolderReader::folderRead, this,
        [this, current](quint64 reading, const QString& folder, const QList<RegisterEntry>& entries) {
            if (!current(reading)) {
                return;
            }
            // A file still being written reads as damaged: it is looked at again.
            const QDateTime now = QDateTime::currentDateTime();
            for (const RegisterEntry& entry : entries) {
                if (!entry.isReading() && entry.saved.isValid() && entry.saved.secsTo(now) < kFreshSeconds) {
                    m_lookAgain.insert(folder);
                    if (!m_lookAgainTimer.isActive()) {
                        m_lookAgainTimer.start(kLookAgainMs);
                    }
                    break;
                }
            }
            emit folderChanged(folder, entries);
        });

    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this](const QString& folder) {
        m_pending.insert(folder);
        if (!m_settle.isActive()) {
            m_settle.start(kSettleMs);
        }
    });
    m_settle.setSingleShot(true);
    connect(&m_settle, &QTimer::timeout, this, &LiveFolder::readPending);
    m_lookAgainTimer.setSingleShot(true);
    connect(&m_lookAgainTimer, &QTimer::timeout, this, [this] {
        m_pending.unite(m_lookAgain);
        m_lookAgain.clear();
        readPending();
    });
    m_thread.start();
}

LiveFolder::~LiveFolder()
{
    m_wanted.store(0);
    m_thread.quit();
    m_thread.wait();
}

void LiveFolder::read(const QString& root)
{
    const quint64 reading = m_wanted.load() + 1;
    m_wanted.store(reading);
    m_root = root;
    m_folders.clear();
    m_pending.clear();
    m_settle.stop();
    m_lookAgain.clear();
    m_lookAgainTimer.stop();
    if (!m_watcher.directories().isEmpty()) {
        m_watcher.removePaths(m_watcher.directories());
    }
    m_filling = true;
    QMetaObject::invokeMethod(m_reader, [reader = m_reader, reading, root] { reader->readAll(reading, root); });
}

void LiveFolder::watch(const QStringList& folders)
{
    const bool first = m_folders.isEmpty();
    for (const QString& folder : m_folders) {
        if (!folders.contains(folder)) {
            m_watcher.removePath(folder);
            if (!first) {
                emit folderChanged(folder, {});
            }
        }
    }
    for (const QString& folder : folders) {
        if (!m_folders.contains(folder)) {
            m_watcher.addPath(folder);
            if (!first) {
                readAgain(folder);
            }
        }
    }
    m_folders = folders;
}

void LiveFolder::readAgain(const QString& folder)
{
    const quint64 reading = m_wanted.load();
    QMetaObject::invokeMethod(
        m_reader, [reader = m_reader, reading, root = m_root, folder] { reader->readFolder(reading, root, folder); });
}

void LiveFolder::readPending()
{
    // The folder itself first: it tells which folders inside it are left.
    QStringList folders = m_pending.values();
    m_pending.clear();
    folders.sort();
    if (folders.removeOne(m_root)) {
        folders.prepend(m_root);
    }
    for (const QString& folder : folders) {
        if (folder == m_root || m_folders.contains(folder)) {
            readAgain(folder);
        }
    }
}

} // namespace ui

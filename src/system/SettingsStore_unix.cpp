#include "system/SettingsStore.h"

#include "system/FileAccess.h"
#include "system/Folders.h"
#include "system/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace sys {
namespace {

// A settings file larger than this is not one the program wrote: what it
// stores is bounded far below (Settings.cpp).
constexpr qint64 kLargestSettingsFile = qint64{64} * 1024;

// Qt's file dialogs' history holds the settings of every Qt program's dialogs.
constexpr qint64 kLargestDialogHistory = qint64{1024} * 1024;

// A folder inside a device file: nothing can be read or written under it,
// whatever the user's rights. A QSettings there lives in memory only, and
// leaves nothing behind however the program ends.
const QString kNowhere = QStringLiteral("/dev/null");

struct Store {
    QString file; // the user's settings file; empty without a home folder
    bool kept = false; // false: the store lives for this run only
    std::unique_ptr<QSettings> settings;
};

QString configFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

// The INI file that QSettings gives the organization and the application in
// the user's config folder.
QString userFile()
{
    return QDir(configFolder())
        .filePath(QCoreApplication::organizationName() + QLatin1Char('/') + QCoreApplication::applicationName()
            + QStringLiteral(".ini"));
}

void warnOnce(const QString& path, const char* words)
{
    static QSet<QString> warned;
    if (!warned.contains(path)) {
        warned.insert(path);
        qWarning("%s", qPrintable(QString::fromLatin1(words).arg(QDir::toNativeSeparators(path))));
    }
}

// A store in memory, empty.
std::unique_ptr<QSettings> storeInMemory()
{
    // Each store a file name of its own: Qt keeps what it could not write
    // with the name, for the next store on it.
    static int made = 0;
    return std::make_unique<QSettings>(
        kNowhere + QStringLiteral("/vq-rudraksha-numerology-%1.ini").arg(++made), QSettings::IniFormat);
}

// Makes the store hold settings and nothing else. The store stays the same
// object, so whoever reads it keeps reading the store of the run.
void fill(QSettings& store, const IniSettings& settings)
{
    store.clear();
    for (auto entry = settings.cbegin(); entry != settings.cend(); ++entry) {
        store.setValue(entry.key(), entry.value());
    }
}

IniSettings contentsOf(const QSettings& store)
{
    IniSettings settings;
    for (const QString& key : store.allKeys()) {
        settings.insert(key, store.value(key));
    }
    return settings;
}

// Reads the user's file into the store as it is now; false where it must be
// left alone, the store then as it was.
bool read(Store& store)
{
    const FileContents file = readRegularFile(store.file, kLargestSettingsFile);
    switch (file.status) {
    case FileContents::Status::Read:
        fill(*store.settings, settingsOfIni(file.bytes));
        return true;
    case FileContents::Status::Missing:
        fill(*store.settings, {});
        return true;
    case FileContents::Status::TooLarge: {
        // Kept aside, as it is, for whoever wants it; the settings start afresh.
        const QString aside = store.file + QStringLiteral(".too-large");
        if (std::rename(QFile::encodeName(store.file).constData(), QFile::encodeName(aside).constData()) != 0) {
            warnOnce(store.file,
                "The settings file %1 is larger than 65536 bytes and cannot be renamed: no settings are kept.");
            return false;
        }
        qWarning("The settings file %s was larger than 65536 bytes: it is kept as %s, and the settings start afresh.",
            qPrintable(QDir::toNativeSeparators(store.file)), qPrintable(QDir::toNativeSeparators(aside)));
        fill(*store.settings, {});
        return true;
    }
    case FileContents::Status::NotRegular:
        warnOnce(store.file, "The settings file %1 is not a regular file and is left alone: no settings are kept.");
        return false;
    case FileContents::Status::Unreadable:
        break;
    }
    warnOnce(store.file, "The settings file %1 cannot be read and is left alone: no settings are kept.");
    return false;
}

// Removes what a write of Qt's own left beside the file when it was cut short
// (earlier versions wrote the settings through Qt): the file's name, a dot and
// six letters or digits.
void removeQtLeftovers(const QString& file)
{
    const QFileInfo info(file);
    const QString prefix = info.fileName() + QLatin1Char('.');
    for (const QFileInfo& entry : QDir(info.path())
                                      .entryInfoList({prefix + QStringLiteral("??????")},
                                          QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        const QString rest = entry.fileName().mid(prefix.size());
        const bool lettersAndDigits = std::all_of(
            rest.cbegin(), rest.cend(), [](QChar c) { return c.unicode() < 0x80 && (c.isLetterOrNumber()); });
        if (lettersAndDigits && entry.ownerId() == ::geteuid()) {
            QFile::remove(entry.filePath());
        }
    }
}

// Writes the store to the user's file; false, having said so, where it cannot.
bool write(const Store& store)
{
    QString why;
    if (!QDir().mkpath(QFileInfo(store.file).path())) {
        why = whyNotReplaceable(QFileInfo(store.file).path());
    }
    if (why.isEmpty()) {
        removeQtLeftovers(store.file);
        why = writeWholeFile(store.file, iniOfSettings(contentsOf(*store.settings)));
    }
    if (why.isEmpty()) {
        return true;
    }
    qWarning("The settings cannot be written to %s (%s): they are kept until the program ends.",
        qPrintable(QDir::toNativeSeparators(store.file)), qPrintable(why));
    emit SettingsNotifier::instance()->notWritten(store.file, why);
    return false;
}

// The store for the user's settings file as it is named now; the file is
// read when the store is made, and again before each change.
Store& store()
{
    static Store current;
    const bool hasHome = !homeFolder().isEmpty();
    const QString file = hasHome ? userFile() : QString();
    if (current.settings && current.file == file) {
        return current;
    }
    current.file = file;
    current.settings = storeInMemory();
    current.kept = hasHome && read(current);
    guardDialogHistory();
    return current;
}

// Why Qt's file dialogs must not use their settings file: what stands there
// or beside it, named; or an empty text.
QString dialogHistoryInTheWay(QString& odd)
{
    const QString file = QDir(configFolder()).filePath(QStringLiteral("QtProject.conf"));
    const FileFacts facts = factsOf(file);
    if (facts.kind == FileKind::Folder || facts.kind == FileKind::Other) {
        odd = file;
        return QStringLiteral("is not a regular file");
    }
    if (facts.size > kLargestDialogHistory) {
        odd = file;
        return QStringLiteral("is larger than %1 bytes").arg(kLargestDialogHistory);
    }
    // A lock only stands there while a write is under way, or after one that
    // ended before it was done; Qt would wait on it, and read it whole.
    for (const QString& lock : {file + QStringLiteral(".lock"), file + QStringLiteral(".lock.rmlock")}) {
        if (somethingStandsAt(lock)) {
            odd = lock;
            return QStringLiteral("stands in the way");
        }
    }
    return {};
}

} // namespace

QSettings& settingsStore()
{
    return *store().settings;
}

void changeSettings(const std::function<void(QSettings&)>& change)
{
    Store& current = store();
    // The change is made to the file as it is now, so what another copy
    // wrote meanwhile stays.
    current.kept = current.kept && read(current);
    change(*current.settings);
    current.kept = current.kept && write(current);
}

bool settingsKept()
{
    return store().kept;
}

bool settingsWritable()
{
    const Store& current = store();
    if (!current.kept) {
        return false;
    }
    // The file where it stands, else the nearest folder on its way, which
    // must be a folder.
    QFileInfo place(current.file);
    const bool fileStands = place.exists();
    while (!place.exists() && !place.isRoot()) {
        place = QFileInfo(place.path());
    }
    return (fileStands ? place.isFile() : place.isDir())
        && ::access(QFile::encodeName(place.filePath()).constData(), W_OK) == 0;
}

QString settingsLocation()
{
    return store().file;
}

void guardDialogHistory()
{
    static bool nowhere = false;
    if (nowhere) {
        return;
    }
    QString odd;
    const bool hasHome = !homeFolder().isEmpty();
    const QString why = hasHome ? dialogHistoryInTheWay(odd) : QString();
    if (!why.isEmpty()) {
        qWarning("The file dialogs' settings file %s %s: the file dialogs keep no history.",
            qPrintable(QDir::toNativeSeparators(odd)), qPrintable(why));
    }
    if (!hasHome || !why.isEmpty()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, kNowhere);
        nowhere = true;
    }
}

} // namespace sys

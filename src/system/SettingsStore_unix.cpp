#include "system/SettingsStore.h"

#include "system/FileAccess.h"
#include "system/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

#include <memory>

namespace sys {
namespace {

// A settings file larger than this is not ours: reading it would cost seconds
// and hundreds of megabytes at every start.
constexpr qint64 kLargestSettingsFile = qint64{64} * 1024;

// A folder inside a device file: nothing can be read or written under it,
// whatever the user's rights. Settings kept there live in memory for the run
// only, and nothing is left behind however the program ends.
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
// the user's config folder, named without a QSettings object: one on the same
// path in another format would leave Qt an empty copy of the file to write back.
QString userFile()
{
    return QDir(configFolder())
        .filePath(QCoreApplication::organizationName() + QLatin1Char('/') + QCoreApplication::applicationName()
            + QStringLiteral(".ini"));
}

// Why the file at path must be left alone, or an empty text where it may be
// used. The lock file Qt writes beside it counts too: Qt reads it whole while
// it waits for it.
QString whyLeftAlone(const QString& path)
{
    const FileFacts file = factsOf(path);
    if (file.kind == FileKind::Other || factsOf(path + QStringLiteral(".lock")).kind == FileKind::Other) {
        return QStringLiteral("is not a regular file");
    }
    if (file.size > kLargestSettingsFile) {
        return QStringLiteral("is larger than %1 bytes").arg(kLargestSettingsFile);
    }
    return {};
}

void warnOnce(const QString& what, const QString& path, const QString& why)
{
    static QSet<QString> warned;
    if (!warned.contains(path)) {
        warned.insert(path);
        qWarning("%s %s %s and is left alone: no settings are kept.", qPrintable(what),
            qPrintable(QDir::toNativeSeparators(path)), qPrintable(why));
    }
}

// A store in memory for this run only, holding what from holds.
std::unique_ptr<QSettings> storeForThisRun(const QSettings* from = nullptr)
{
    // Each store a file name of its own: Qt keeps what it could not write
    // with the name, for the next store on it.
    static int made = 0;
    auto settings = std::make_unique<QSettings>(
        kNowhere + QStringLiteral("/vq-rudraksha-numerology-%1.ini").arg(++made), QSettings::IniFormat);
    if (from != nullptr) {
        for (const QString& key : from->allKeys()) {
            settings->setValue(key, from->value(key));
        }
    }
    return settings;
}

// Qt's file dialogs keep their history in the config folder's QtProject.conf:
// without a home folder, or where that file must be left alone, they keep
// nothing.
void guardDialogSettings(bool hasHome)
{
    const QString file = QDir(configFolder()).filePath(QStringLiteral("QtProject.conf"));
    const QString why = hasHome ? whyLeftAlone(file) : QString();
    if (!why.isEmpty()) {
        warnOnce(QStringLiteral("The file dialogs' settings file"), file, why);
    }
    if (!hasHome || !why.isEmpty()) {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, kNowhere);
    }
}

// The store for the user's settings file as it is named now; the file is
// looked at once, when the store is made.
Store& store()
{
    static Store current;
    const bool hasHome = !homeFolder().isEmpty();
    const QString file = hasHome ? userFile() : QString();
    if (current.settings && current.file == file) {
        return current;
    }
    current.file = file;
    const QString why = hasHome ? whyLeftAlone(file) : QString();
    current.kept = hasHome && why.isEmpty();
    if (!why.isEmpty()) {
        warnOnce(QStringLiteral("The settings file"), file, why);
    }
    current.settings = current.kept ? std::make_unique<QSettings>(file, QSettings::IniFormat) : storeForThisRun();
    guardDialogSettings(hasHome);
    return current;
}

} // namespace

QSettings& settingsStore()
{
    return *store().settings;
}

void changeSettings(const std::function<void(QSettings&)>& change)
{
    Store& current = store();
    if (current.kept) {
        const QString why = whyLeftAlone(current.file);
        if (!why.isEmpty()) {
            warnOnce(QStringLiteral("The settings file"), current.file, why);
            current.settings = storeForThisRun(current.settings.get());
            current.kept = false;
        }
    }
    change(*current.settings);
    if (current.kept) {
        current.settings->sync();
    }
}

bool settingsKept()
{
    return store().kept;
}

} // namespace sys

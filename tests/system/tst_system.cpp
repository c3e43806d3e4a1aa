// The outside world in Qt Core: state files read bounded and without waiting,
// files replaced whole through any chain of links but never a device or a
// folder at their end, a failed write's reason in the reader's language, and
// the settings under the keys every version has used.

#include "TestData.h"
#include "Unix.h"

#include "core/storage/TextCodec.h"
#include "system/DesktopRecentFiles.h"
#include "system/FileAccess.h"
#include "system/IniFile.h"
#include "system/ProgramNames.h"
#include "system/ReadingFolder.h"
#include "system/SavedReadings.h"
#include "system/Settings.h"
#include "system/SettingsStore.h"
#include "system/Translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

// What stands at the path a test reads or writes.
enum class Planted {
    Nothing,
    File, // holding the old bytes, mode 0640
    Pipe,
    Folder,
    LinkToPipe,
    LinkToNowhere,
    ChainOfLinks, // path -> b -> c, a file
    LinkToFolder,
    LinkToDevice,
    LinkLoop,
    FolderMissing, // the path's folder does not exist
    SystemFile, // a file the kernel makes up as it is read: its size says 0
    Leftovers, // beside it, a save's unfinished file and a file of the user's named alike
};

const QString kLeftover = QStringLiteral(".vq-rudraksha-numerology-saving-Ab12Cd");
const QString kUsersOwn = QStringLiteral(".vq-rudraksha-numerology-saving-notes.txt");

const QByteArray kOld = "the old bytes";
const QByteArray kNew = "the new bytes";

QString encode(const QString& text)
{
    return QString::fromStdString(core::EncodeText(text.toStdString()));
}

// Plants what, at path in dir; false where this system has no such thing.
bool plant(Planted what, const QString& path, const QDir& dir)
{
    const QString end = dir.filePath(QStringLiteral("end"));
    switch (what) {
    case Planted::Nothing:
    case Planted::FolderMissing:
    case Planted::SystemFile:
        return true;
    case Planted::File:
        return writeFile(path, kOld) && (!isUnix() || setMode(path, 0640));
    case Planted::Pipe:
        return makeNamedPipe(path);
    case Planted::Folder:
        return dir.mkdir(QFileInfo(path).fileName());
    case Planted::LinkToPipe:
        return makeNamedPipe(end) && QFile::link(end, path);
    case Planted::LinkToNowhere:
        return isUnix() && QFile::link(end, path);
    case Planted::ChainOfLinks:
        return isUnix() && writeFile(end, kOld) && QFile::link(QStringLiteral("end"), dir.filePath(QStringLiteral("b")))
            && QFile::link(QStringLiteral("b"), path);
    case Planted::LinkToFolder:
        return isUnix() && dir.mkdir(QStringLiteral("end")) && QFile::link(end, path);
    case Planted::LinkToDevice:
        return makeNullDevice(end) && QFile::link(end, path);
    case Planted::LinkLoop:
        return isUnix() && QFile::link(path, path);
    case Planted::Leftovers:
        return isUnix() && writeFile(dir.filePath(kLeftover), kOld) && writeFile(dir.filePath(kUsersOwn), kOld);
    }
    return false;
}

// A folder of readings with every kind of file that is not one beside them;
// what only Unix has, on Unix only.
bool plantReadings(const QDir& dir)
{
    const QByteArray ann = fileOf({"Ann Lee", "2", "3", "March", "2000"});
    const auto file = [&dir](const char* name, const QByteArray& bytes) {
        return writeFile(dir.filePath(QString::fromUtf8(name)), bytes);
    };
    bool planted = dir.mkpath(QStringLiteral("clients/old")) && dir.mkdir(QStringLiteral("x.rkn"))
        && file("ann.rkn", ann) && file("BOB.RKN", kSampleFile) && file("clients/cy.rkn", ann)
        && file("x.rkn/dee.rkn", ann) && file("clients/old/eve.rkn", ann) && file(".hidden.rkn", ann)
        && file(".vq-rudraksha-numerology-saving-Abcrkn", ann) && file("notes.txt", ann)
        && file("three.rkn", fileOf({"Ann Lee", "2", "3"})) && file("empty.rkn", "")
        && file("large.rkn", ann + QByteArray(sys::LargestReadingFile, '\n'));
    if (isUnix()) {
        planted = planted && makeNamedPipe(dir.filePath(QStringLiteral("pipe.rkn")))
            && QFile::link(QStringLiteral("/dev/zero"), dir.filePath(QStringLiteral("zero.rkn")))
            && QFile::link(dir.filePath(QStringLiteral("loop.rkn")), dir.filePath(QStringLiteral("loop.rkn")))
            && QFile::link(dir.filePath(QStringLiteral("gone")), dir.filePath(QStringLiteral("dangling.rkn")))
            && QFile::link(dir.filePath(QStringLiteral("ann.rkn")), dir.filePath(QStringLiteral("linked.rkn")))
            && file("locked.rkn", ann) && setMode(dir.filePath(QStringLiteral("locked.rkn")), 0);
    }
    return planted;
}

} // namespace

Q_DECLARE_METATYPE(Planted)
Q_DECLARE_METATYPE(sys::FileContents::Status)

class TestSystem : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        sys::setUpProgramNames();
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_home.isValid());
        qputenv("HOME", QFile::encodeName(m_home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
    }

    void init()
    {
        m_dir.emplace();
        sys::changeSettings([](QSettings& store) { store.clear(); });
    }

    void readRegularFile_data()
    {
        QTest::addColumn<Planted>("planted");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<sys::FileContents::Status>("status");
        using Status = sys::FileContents::Status;
        QTest::newRow("a file") << Planted::File << QByteArray("0123456789abc") << Status::Read;
        QTest::newRow("at the limit") << Planted::File << QByteArray(16, 'x') << Status::Read;
        QTest::newRow("one byte past it") << Planted::File << QByteArray(17, 'x') << Status::TooLarge;
        QTest::newRow("missing") << Planted::Nothing << QByteArray() << Status::Missing;
        QTest::newRow("a folder") << Planted::Folder << QByteArray() << Status::NotRegular;
        QTest::newRow("a named pipe, never waited on") << Planted::Pipe << QByteArray() << Status::NotRegular;
        QTest::newRow("a link to a pipe") << Planted::LinkToPipe << QByteArray() << Status::NotRegular;
        QTest::newRow("a link to nowhere") << Planted::LinkToNowhere << QByteArray() << Status::Missing;
        // The bytes are counted, whatever the file system says of the size.
        QTest::newRow("a file whose size says 0") << Planted::SystemFile << QByteArray() << Status::Read;
    }
    void readRegularFile()
    {
        QFETCH(Planted, planted);
        QFETCH(QByteArray, bytes);
        QFETCH(sys::FileContents::Status, status);
        QString path = m_dir->filePath(QStringLiteral("state"));
        if (planted == Planted::SystemFile) {
            path = QStringLiteral("/proc/self/status");
            if (!QFileInfo::exists(path)) {
                QSKIP("no /proc here");
            }
        }
        if (planted == Planted::File) {
            QVERIFY(writeFile(path, bytes));
        } else if (!plant(planted, path, QDir(m_dir->path()))) {
            QSKIP("no such thing on this system");
        }
        QElapsedTimer timer;
        timer.start();
        const sys::FileContents read = sys::readRegularFile(path, planted == Planted::SystemFile ? 1 << 20 : 16);
        QVERIFY(timer.elapsed() < 1000);
        QCOMPARE(read.status, status);
        if (planted == Planted::SystemFile) {
            QVERIFY(read.bytes.startsWith("Name:"));
        } else {
            QCOMPARE(read.bytes, status == sys::FileContents::Status::Read ? bytes : QByteArray());
        }
    }

    void writeWholeFile_data()
    {
        QTest::addColumn<Planted>("planted");
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("fullDisk");
        QTest::addColumn<QString>("reason"); // empty: written; "*": the system's own words
        const auto row = [](const char* name, Planted planted, const QString& reason = {}, bool fullDisk = false,
                             const char* language = "en") {
            QTest::newRow(name) << planted << QString::fromLatin1(language) << fullDisk << reason;
        };
        row("a new file", Planted::Nothing);
        row("a file replaced, its mode kept", Planted::File);
        row("through a chain of links", Planted::ChainOfLinks);
        row("a link to nowhere: its target made", Planted::LinkToNowhere);
        row("an unfinished save removed, a file of the user's named alike kept", Planted::Leftovers);
        row("a pipe left alone", Planted::Pipe, QStringLiteral("The file may not be changed."));
        row("a link to a device left alone", Planted::LinkToDevice, QStringLiteral("The file may not be changed."));
        row("a folder left alone", Planted::Folder, QStringLiteral("A folder of that name is in the way."));
        row("a link to a folder left alone", Planted::LinkToFolder,
            QStringLiteral("A folder of that name is in the way."));
        row("a loop of links, in the system's words", Planted::LinkLoop, QStringLiteral("*"));
        row("no such folder", Planted::FolderMissing, QStringLiteral("The folder does not exist, or no longer does."));
        row("a full disk", Planted::File, QStringLiteral("There is not enough space on the disk for the file."), true);
        row("a full disk, in Hindi", Planted::File, QStringLiteral("डिस्क पर इस फ़ाइल के लिए पर्याप्त जगह नहीं है।"), true,
            "hi");
        row("no such folder, in Hindi", Planted::FolderMissing, QStringLiteral("यह फ़ोल्डर मौजूद नहीं है, या अब नहीं रहा।"),
            false, "hi");
    }
    void writeWholeFile()
    {
        QFETCH(Planted, planted);
        QFETCH(QString, language);
        QFETCH(bool, fullDisk);
        QFETCH(QString, reason);
        const QDir dir(m_dir->path());
        const QString path = planted == Planted::FolderMissing ? dir.filePath(QStringLiteral("gone/state"))
                                                               : dir.filePath(QStringLiteral("state"));
        if (!plant(planted, path, dir)) {
            QSKIP("no such thing on this system, or only the superuser makes it");
        }
        if (fullDisk && !isUnix()) {
            QSKIP("a process cannot limit the size of its files here");
        }
        const QStringList before = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        sys::chooseLanguage(language);
        const auto english = qScopeGuard([] { sys::chooseLanguage(QStringLiteral("en")); });

        FileSizeLimit limit;
        QVERIFY(!fullDisk || limit.limitTo(4));
        const QString why = sys::writeWholeFile(path, kNew);
        limit.lift();

        if (reason == QLatin1String("*")) {
            QVERIFY(!why.isEmpty());
            reason = why;
        }
        QCOMPARE(why, reason);
        // The end of the links holds the new bytes, or what stood there stays.
        const QString end = planted == Planted::ChainOfLinks || planted == Planted::LinkToNowhere
            ? dir.filePath(QStringLiteral("end"))
            : path;
        const QByteArray expected = reason.isEmpty() ? kNew : planted == Planted::File ? kOld : QByteArray();
        if (planted != Planted::Pipe) {
            QCOMPARE(fileContents(end), expected);
        }
        QVERIFY(planted != Planted::LinkToDevice || isNullDevice(dir.filePath(QStringLiteral("end"))));
        QVERIFY(planted != Planted::LinkToFolder || QFileInfo(dir.filePath(QStringLiteral("end"))).isDir());
        QVERIFY(planted != Planted::Pipe || !QFileInfo(path).isFile());
        if (planted == Planted::ChainOfLinks) {
            QVERIFY(QFileInfo(path).isSymLink() && QFileInfo(dir.filePath(QStringLiteral("b"))).isSymLink());
        }
        if (isUnix() && planted == Planted::File) {
            QCOMPARE(QFileInfo(path).permissions() & QFileDevice::ReadOther, QFileDevice::Permissions());
            QVERIFY(QFileInfo(path).permissions() & QFileDevice::ReadGroup);
        }
        // Nothing of the program's own is left beside the file.
        QStringList after = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
        if (planted == Planted::Leftovers) {
            QVERIFY(!after.contains(kLeftover) && after.contains(kUsersOwn));
            after.append(kLeftover);
            after.sort();
        }
        if (reason.isEmpty() && !before.contains(QFileInfo(end).fileName())) {
            after.removeOne(QFileInfo(end).fileName());
        }
        QCOMPARE(after, before);
    }

    // The register lists every reading of a folder and of the folders inside
    // it, and says why each other file ending in "rkn" is none; it is never
    // held up by a pipe or a device.
    void readingFolder_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("found"); // the person's name, or why it is no reading; empty: not listed
        QTest::addColumn<QString>("language");
        QTest::addColumn<bool>("unixOnly");
        const auto row = [](const char* name, const char* file, const QString& found, bool unixOnly = false,
                             const char* language = "en") {
            QTest::newRow(name) << QString::fromUtf8(file) << found << QString::fromLatin1(language) << unixOnly;
        };
        const QString damaged = QStringLiteral("Damaged: it does not hold a whole reading.");
        const QString special = QStringLiteral("A named pipe, a device or a socket, not a file.");
        const QString link = QStringLiteral("A link that leads nowhere, or round in a loop.");
        row("a reading", "ann.rkn", QStringLiteral("Ann Lee"));
        row("in capitals", "BOB.RKN", QStringLiteral("Sample Name"));
        row("in a folder inside", "clients/cy.rkn", QStringLiteral("Ann Lee"));
        row("in a folder named x.rkn", "x.rkn/dee.rkn", QStringLiteral("Ann Lee"));
        row("the folder named x.rkn itself", "x.rkn", {});
        row("two folders down", "clients/old/eve.rkn", {});
        row("hidden", ".hidden.rkn", {});
        row("a save cut short", ".vq-rudraksha-numerology-saving-Abcrkn", {});
        row("another kind of file", "notes.txt", {});
        row("three lines", "three.rkn", damaged);
        row("empty", "empty.rkn", damaged);
        row("too large", "large.rkn", QStringLiteral("Too large to be a reading."));
        row("too large, in Hindi", "large.rkn", QStringLiteral("यह फ़ाइल इतनी बड़ी है कि अंक ज्योतिष फल नहीं हो सकती।"),
            false, "hi");
        row("a named pipe", "pipe.rkn", special, true);
        row("a link to a device", "zero.rkn", special, true);
        row("a loop of links", "loop.rkn", link, true);
        row("a link to nowhere", "dangling.rkn", link, true);
        row("a link to a reading", "linked.rkn", QStringLiteral("Ann Lee"), true);
        row("unreadable", "locked.rkn", QStringLiteral("It cannot be read: you may not have permission."), true);
    }
    void readingFolder()
    {
        QFETCH(QString, fileName);
        QFETCH(QString, found);
        QFETCH(QString, language);
        QFETCH(bool, unixOnly);
        if (unixOnly && !isUnix()) {
            QSKIP("no such thing on this system");
        }
        if (fileName == QLatin1String("locked.rkn") && isSuperuser()) {
            QSKIP("the superuser reads every file");
        }
        const QDir dir(m_dir->path());
        QVERIFY(plantReadings(dir));
        sys::chooseLanguage(language);
        const auto english = qScopeGuard([] { sys::chooseLanguage(QStringLiteral("en")); });
        QElapsedTimer timer;
        timer.start();
        const QList<sys::FolderReading> listed = sys::readingsIn(dir.path());
        QVERIFY(timer.elapsed() < 1000);
        QCOMPARE(listed.size(), isUnix() ? 13 : 7);
        const auto entry = std::find_if(listed.cbegin(), listed.cend(),
            [&](const sys::FolderReading& reading) { return reading.fileName == fileName; });
        QCOMPARE(entry != listed.cend(), !found.isEmpty());
        if (found.isEmpty()) {
            return;
        }
        QCOMPARE(entry->path, dir.filePath(fileName));
        QCOMPARE(entry->input ? q(entry->input->PersonName) : entry->problem, found);
        QVERIFY(entry->input.has_value() == entry->problem.isEmpty());
        QVERIFY(!entry->input || qAbs(entry->saved.secsTo(QDateTime::currentDateTime())) < 60);
    }

    // Each setting under the key every version has used, as another reader of
    // the user's file (the registry on Windows) finds it.
    void settingsKeys()
    {
        sys::Settings::setLanguage(QStringLiteral("hi"));
        sys::Settings::changeRecentReadings([](QList<sys::RecentReading>& list) {
            list = {{QStringLiteral("/r/ann.rkn"), QStringLiteral("Ann Lee")}};
        });
        sys::Settings::setWindowPlace(QStringLiteral("frmMain"), {QPoint(160, 120), QSize(700, 500), false});
        sys::Settings::setWindowPlace(
            QStringLiteral("frmRudrakshNumerologyResult"), {std::nullopt, std::nullopt, true});
        sys::Settings::setReminderDate(QStringLiteral("2026-12-08"));
        sys::Settings::setReadingsFolder(m_dir->path());
        QCOMPARE(sys::Settings::readingsFolder(), m_dir->path());
        const QSettings other(sys::Settings::location(), isUnix() ? QSettings::IniFormat : QSettings::NativeFormat);
        const QVariantMap expected{
            {QStringLiteral("Language/uiLanguage"), QStringLiteral("hi")},
            {QStringLiteral("Recent/size"), 1},
            {QStringLiteral("Recent/1/name"), QStringLiteral("Ann Lee")},
            {QStringLiteral("Recent/1/path"), QStringLiteral("/r/ann.rkn")},
            {QStringLiteral("Windows/frmMain/position"), QPoint(160, 120)},
            {QStringLiteral("Windows/frmMain/size"), QSize(700, 500)},
            {QStringLiteral("Windows/frmRudrakshNumerologyResult/maximized"), true},
            {QStringLiteral("Readings/folder"), m_dir->path()},
            // The word "Duration" shifted, and so is the date.
            {QStringLiteral("Settings/") + encode(QStringLiteral("Duration")), encode(QStringLiteral("2026-12-08"))},
        };
        QCOMPARE(other.allKeys().size(), expected.size());
        for (auto entry = expected.cbegin(); entry != expected.cend(); ++entry) {
            QCOMPARE(other.value(entry.key()).toString(), entry.value().toString());
        }
    }

    // However long the names and paths of the readings opened, the settings
    // file stays within what the program reads back.
    void recentReadingsStayWithinTheFile()
    {
        const QString longName(32766, QLatin1Char('n'));
        const QString longPath = QStringLiteral("/r/") + QString(4090, QLatin1Char('p'));
        for (int i = 0; i < 10; ++i) {
            sys::Settings::changeRecentReadings([&](QList<sys::RecentReading>& list) {
                list.prepend({longPath + QString::number(i), longName});
                list.prepend({longPath + QString(10, QLatin1Char('x')), longName}); // past 4,096: not kept
            });
        }
        const QList<sys::RecentReading> kept = sys::Settings::recentReadings();
        QCOMPARE(kept.size(), sys::Settings::MostRecentReadings);
        QCOMPARE(kept.front().path, longPath + QString::number(9));
        QCOMPARE(kept.front().personName, longName.left(sys::Settings::LongestRecentName));
        if (isUnix()) {
            QVERIFY(QFileInfo(sys::Settings::location()).size() < 64 * 1024);
        }
    }

    // A reading noted by another copy while this one ran stays in the list
    // when this one notes its own.
    void recentReadingsMergeWithTheFile()
    {
        sys::Settings::changeRecentReadings([](QList<sys::RecentReading>& list) {
            list = {{QStringLiteral("/r/ours-before.rkn"), QStringLiteral("Ann Lee")}};
        });
        {
            QSettings other(sys::Settings::location(), isUnix() ? QSettings::IniFormat : QSettings::NativeFormat);
            other.setValue(QStringLiteral("Recent/size"), 2);
            other.setValue(QStringLiteral("Recent/1/path"), QStringLiteral("/r/theirs.rkn"));
            other.setValue(QStringLiteral("Recent/1/name"), QStringLiteral("Ravi Kumar"));
            other.setValue(QStringLiteral("Recent/2/path"), QStringLiteral("/r/ours-before.rkn"));
            other.setValue(QStringLiteral("Recent/2/name"), QStringLiteral("Ann Lee"));
            other.sync();
            QCOMPARE(other.status(), QSettings::NoError);
        }
        sys::Settings::changeRecentReadings([](QList<sys::RecentReading>& list) {
            list.prepend({QStringLiteral("/r/ours-now.rkn"), QStringLiteral("Meera Shah")});
        });
        QStringList paths;
        for (const sys::RecentReading& reading : sys::Settings::recentReadings()) {
            paths << reading.path;
        }
        QCOMPARE(paths,
            QStringList({QStringLiteral("/r/ours-now.rkn"), QStringLiteral("/r/theirs.rkn"),
                QStringLiteral("/r/ours-before.rkn")}));
    }

    // Values no run writes read as nothing (a list as its first eight).
    void hostileValues_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::newRow("a list of 2^31 - 1 readings") << "Recent/size" << QVariant(2147483647);
        QTest::newRow("a position that is text") << "Windows/frmMain/position" << QVariant(QStringLiteral("far"));
        QTest::newRow("a size that is no size") << "Windows/frmMain/size" << QVariant(QSize(-5, -5));
        QTest::newRow("a language that is a path")
            << "Language/uiLanguage" << QVariant(QStringLiteral("../../etc/passwd"));
        QTest::newRow("a readings folder that is a file")
            << "Readings/folder" << QVariant(QDir::cleanPath(QCoreApplication::applicationFilePath()));
        QTest::newRow("a readings folder that is not a path") << "Readings/folder" << QVariant(QStringLiteral("x"));
    }
    void hostileValues()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        sys::changeSettings([&](QSettings& store) {
            for (int i = 1; i <= 9; ++i) {
                store.setValue(QStringLiteral("Recent/%1/path").arg(i), QStringLiteral("/r/%1.rkn").arg(i));
            }
            store.setValue(QStringLiteral("Recent/size"), 9);
            store.setValue(key, value);
        });
        QCOMPARE(sys::Settings::recentReadings().size(), sys::Settings::MostRecentReadings);
        const sys::WindowPlace place = sys::Settings::windowPlace(QStringLiteral("frmMain"));
        QVERIFY(!place.position && !place.size && !place.maximized);
        QCOMPARE(sys::chosenLanguage(), QStringLiteral("en"));
        QCOMPARE(sys::Settings::readingsFolder(), QString());
    }

    // The desktop's recent files keep every byte of other programs' entries;
    // the reading's bookmark is brought up to date, or added before the end.
    void desktopRecentFiles_data()
    {
        QTest::addColumn<QByteArray>("existing"); // %1: the reading's address; %2: the program's entry, if any
        QTest::addColumn<int>("count"); // the program's count after; 0: left alone
        const QByteArray head
            = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
              "<!DOCTYPE xbel [ <!ENTITY who \"an editor\"> ]>\r\n"
              "<xbel version=\"1.0\"\r\n xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\r\n"
              " xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\r\n"
              "<bookmark href='file:///elsewhere/notes.txt' added=\"2026-01-01T10:00:00Z\">"
              "<title>   </title><desc>by &who;&#13;</desc></bookmark>\r\n";
        const QByteArray ours = "  <bookmark href=\"%1\" added=\"2026-01-01T10:00:00Z\" modified=\"x\">\r\n"
                                "<info><metadata owner=\"http://freedesktop.org\"><bookmark:applications>"
                                "<bookmark:application name=\"editor\" exec=\"&apos;editor %u&apos;\" count=\"4\"/>%2"
                                "</bookmark:applications></metadata></info></bookmark>\r\n";
        const QByteArray application
            = "<bookmark:application name=\"tst_system\" exec=\"'tst_system %f'\" count=\"2\"/>";
        QTest::newRow("another program's entries, kept byte for byte") << head + "</xbel>\r\n" << 1;
        QTest::newRow("the reading's bookmark with the program's entry") << head + ours + "</xbel>" << 3;
        QTest::newRow("the reading's bookmark without it") << head + ours + "</xbel>" << 1;
        QTest::newRow("the reading's bookmark empty") << head + "<bookmark href=\"%1\"/></xbel>" << 1;
        QTest::newRow("not XBEL") << QByteArray("<html><body/></html>") << 0;
        QTest::newRow("not UTF-8") << QByteArray("<xbel version=\"1.0\"><title>caf\xe9</title></xbel>") << 0;
        QTest::newRow("not XML") << QByteArray("<xbel><bookmark></xbel>") << 0;
    }
    void desktopRecentFiles()
    {
        QFETCH(QByteArray, existing);
        QFETCH(int, count);
        if (!isUnix()) {
            QSKIP("the shell keeps Windows' recent files");
        }
        const QString path = m_dir->filePath(QStringLiteral("ann.rkn"));
        const QByteArray href = QUrl::fromLocalFile(path).toEncoded();
        const QByteArray application
            = QTest::currentDataTag() == QByteArray("the reading's bookmark with the program's entry")
            ? QByteArray("<bookmark:application name=\"tst_system\" exec=\"'tst_system %f'\" count=\"2\"/>")
            : QByteArray();
        existing.replace("%1", href).replace("%2", application);
        const QDateTime now(QDate(2026, 12, 9), QTime(10, 30), Qt::UTC);
        const std::optional<QByteArray> written = sys::withRecentFile(existing, path, now);
        QCOMPARE(written.has_value(), count > 0);
        if (!written) {
            return;
        }
        // Everything outside the reading's bookmark is as it was.
        const qsizetype start = existing.indexOf("<bookmark href=\"" + href);
        const qsizetype closed = existing.indexOf('>', start);
        const qsizetype end = start < 0 ? existing.lastIndexOf("</xbel>")
            : existing.at(closed - 1) == '/'
            ? closed + 1
            : existing.indexOf("</bookmark>", start) + qsizetype(sizeof "</bookmark>") - 1;
        QVERIFY(written->startsWith(existing.left(start < 0 ? end : start)));
        QVERIFY(written->endsWith(existing.mid(end)));
        QVERIFY(start < 0 || written->contains("name=\"editor\" exec=\"&apos;editor %u&apos;\" count=\"4\"/>")
            || !existing.contains("name=\"editor\""));
        // The reading's bookmark, read back, names the program and its count.
        QXmlStreamReader reader(*written);
        int found = 0;
        QString modified;
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement) {
                continue;
            }
            if (reader.name() == QLatin1String("bookmark")
                && reader.attributes().value(QLatin1String("href")) == QLatin1String(href)) {
                modified = reader.attributes().value(QLatin1String("modified")).toString();
            }
            if (reader.name() == QLatin1String("application")
                && reader.attributes().value(QLatin1String("name")) == QLatin1String("tst_system")) {
                found = reader.attributes().value(QLatin1String("count")).toInt();
            }
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        QCOMPARE(found, count);
        QCOMPARE(modified, QStringLiteral("2026-12-09T10:30:00.000Z"));
    }

    // The INI files the program reads and writes itself, as QSettings writes
    // them: the same bytes for each value, and each read back by either alike.
    void iniFile_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        const auto row
            = [](const char* name, const QString& key, const QVariant& value) { QTest::newRow(name) << key << value; };
        const QString duration = QStringLiteral("Settings/") + encode(QStringLiteral("Duration"));
        row("a plain text", QStringLiteral("Language/uiLanguage"), QStringLiteral("hi"));
        row("an empty text", QStringLiteral("Language/uiLanguage"), QString());
        row("a key without a section", QStringLiteral("top"), QStringLiteral("x"));
        row("a section named General", QStringLiteral("General/x"), QStringLiteral("y"));
        row("a key of shifted letters, a date shifted", duration, encode(QStringLiteral("2026-12-08")));
        row("a key with a space and a percent sign", QStringLiteral("Windows/a b%c/d"), 1);
        row("commas, a semicolon, an equals sign", QStringLiteral("Recent/1/name"), QStringLiteral("Smith, J.; a=b"));
        row("spaces at both ends", QStringLiteral("Recent/1/name"), QStringLiteral("  Ann  "));
        row("quotes and backslashes", QStringLiteral("Recent/1/path"), QStringLiteral("C:\\\"x\\y\""));
        row("control characters, digits after them", QStringLiteral("k/v"),
            QStringLiteral("a\tb\n\x01"
                           "2\0"
                           "3\r"));
        row("Devanagari and a character past U+FFFF", QStringLiteral("k/v"), QStringLiteral("कृष्णा \U0001D11E"));
        row("a text that starts with @", QStringLiteral("k/v"), QStringLiteral("@Point(1 2)"));
        row("the bytes of a name that is not UTF-8", QStringLiteral("Recent/1/path"),
            QByteArray("/r/caf\xe9\x01"
                       "7.rkn"));
        row("a number", QStringLiteral("Recent/size"), 2147483647);
        row("true", QStringLiteral("Windows/frmMain/maximized"), true);
        row("a point", QStringLiteral("Windows/frmMain/position"), QPoint(-160, 120));
        row("a size", QStringLiteral("Windows/frmMain/size"), QSize(900, 700));
        row("a list", QStringLiteral("k/v"), QStringList{QStringLiteral("a"), QStringLiteral("b c")});
        row("no value", QStringLiteral("k/v"), QVariant());
        row("a text with a NUL, past ASCII", QStringLiteral("k/v"), QStringLiteral("\u00E9\0\u0915x"));
    }
    void iniFile()
    {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        const QString path = m_dir->filePath(QStringLiteral("qt.ini"));
        {
            QSettings qt(path, QSettings::IniFormat);
            qt.setValue(key, value);
        }
        const QByteArray written = fileContents(path);
        // Qt ends the lines with CR LF on Windows, where the program keeps its
        // settings in the registry and writes no INI file.
        QCOMPARE(sys::iniOfSettings({{key, value}}), QByteArray(written).replace("\r\n", "\n"));
        const QVariant readByQt = QSettings(path, QSettings::IniFormat).value(key);
        const sys::IniSettings read = sys::settingsOfIni(written);
        QCOMPARE(read.keys(), QStringList{key});
        QCOMPARE(read.value(key), readByQt);
        // CR LF line ends read alike.
        QCOMPARE(sys::settingsOfIni(QByteArray(written).replace("\n", "\r\n")).value(key), readByQt);
    }

private:
    QTemporaryDir m_home;
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestSystem)
#include "tst_system.moc"

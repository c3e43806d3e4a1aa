// The main window: what it shows at open, which input it refuses, and the
// reading it hands on, typed or opened from a file.

#include "GuiTest.h"
#include "TestData.h"
#include "Unix.h"
#include "Windows.h"

#include "system/DesktopRecentFiles.h"
#include "system/RecentReadings.h"
#include "ui/desktop/RecentReadingsMenu.h"
#include "ui/mainwindow/frmMain.h"

#include <QFile>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <optional>

namespace {

const QString kName = QStringLiteral("Please Enter Your Name");
const QString kLetters = QStringLiteral("Please Enter Your Name Using The Letters A To Z");

// Stands for no file at all, in place of the file's bytes.
const QByteArray kGone = "<gone>";

// The desktop's recent files as another program left them, with one file.
// Whether the desktop's own record of recent files names the file at path:
// on Linux its bookmark in the XBEL document, on Windows a shortcut in the
// Recent folder (Qt counts a shortcut as a link, and one it cannot follow as
// a system file).
bool inDesktopRecentFiles(const QString& path)
{
    if (isUnix()) {
        return fileContents(sys::desktopRecentFilesPath()).contains(QUrl::fromLocalFile(path).toEncoded());
    }
    return !QDir(sys::desktopRecentFilesPath())
                .entryList({QFileInfo(path).fileName() + QStringLiteral("*.lnk")}, QDir::Files | QDir::System)
                .isEmpty();
}

QByteArray RecentFiles(const QString& href)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<xbel version=\"1.0\" xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\"\n"
           "      xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
           "  <bookmark href=\""
        + href.toUtf8()
        + "\" added=\"2026-01-01T10:00:00Z\" modified=\"2026-01-01T10:00:00Z\" visited=\"2026-01-01T10:00:00Z\">\n"
          "    <info><metadata owner=\"http://freedesktop.org\"><mime:mime-type type=\"text/plain\"/>\n"
          "      <bookmark:applications><bookmark:application name=\"editor\" exec=\"&apos;editor %u&apos;\" "
          "modified=\"2026-01-01T10:00:00Z\" count=\"1\"/></bookmark:applications></metadata></info>\n"
          "  </bookmark>\n"
          "</xbel>\n";
}

// A main window of its own, shown, noting the reading it asks for, completed.
struct WatchedMain {
    QPointer<ui::frmMain> window = shown(new ui::frmMain);
    std::optional<core::Reading> handed;

    WatchedMain()
    {
        QObject::connect(window, &ui::frmMain::readingRequested, window,
            [this](const core::ReadingInput& input) { handed = core::completeReading(input); });
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initGui(); }
    void cleanup() { closeAll(); }

    void opening()
    {
        WatchedMain main;
        QCOMPARE(shownInput(main.window), QStringList({"", "1", "January", "1900"}));
        QStringList order{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(order, QStringList({"txtName", "cboDate", "cboMonth", "cboYear", "cmdProceed", "cmdOpen"}));
        // Two guidance notes: a heading and five numbered lines each.
        for (const char* label : {"lblLabel_1", "lblLabel_2"}) {
            const QStringList lines = child<QLabel>(main.window, label)->text().split(QLatin1Char('\n'));
            QCOMPARE(lines.size(), 6);
            QVERIFY(lines.front().endsWith(QLatin1String("'s  for keeping Rudraksh")) && lines.back().startsWith("5."));
        }
    }

    void validation_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QString>("message"); // empty: the reading is shown
        QTest::addColumn<int>("icon");
        const int error = QMessageBox::Critical;
        const int info = QMessageBox::Information;
        const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
        const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
        const auto john = [](int day, int month, int year) {
            return QStringList{
                "John Smith", QString::number(day), QLocale::c().monthName(month), QString::number(year)};
        };

        QTest::newRow("empty name") << QStringList{"", "1", "January", "1900"} << kName << error;
        QTest::newRow("spaces only") << QStringList{"    ", "1", "January", "1900"} << kName << error;
        QTest::newRow("digits only") << QStringList{"123", "1", "January", "1900"} << kLetters << error;
        QTest::newRow("accented letters only") << QStringList{"Éé", "1", "January", "1900"} << kLetters << error;
        QTest::newRow("empty name and 31 February: name first")
            << QStringList{"", "31", "February", "1901"} << kName << error;
        QTest::newRow("accented name with A-Z letters") << QStringList{"Zoë", "5", "June", "1977"} << "" << 0;
        QTest::newRow("30 February") << john(30, 2, 1988) << february << info;
        QTest::newRow("31 February, leap year") << john(31, 2, 2000) << february << info;
        for (const int year : {1901, 2050}) {
            QTest::addRow("29 February %d", year) << john(29, 2, year) << february << info;
        }
        for (const int year : {1900, 2000, 2048}) {
            QTest::addRow("29 February %d", year) << john(29, 2, year) << "" << 0;
        }
        for (const int month : {4, 6, 9, 11}) {
            QTest::addRow("31 of month %d", month) << john(31, month, 1990) << thirty << info;
            QTest::addRow("30 of month %d", month) << john(30, month, 1990) << "" << 0;
        }
        for (const int month : {1, 3, 5, 7, 8, 10, 12}) {
            QTest::addRow("31 of month %d", month) << john(31, month, 1990) << "" << 0;
        }
    }
    void validation()
    {
        QFETCH(QStringList, input);
        QFETCH(QString, message);
        QFETCH(int, icon);

        WatchedMain main;
        enterInput(main.window, input);
        child(main.window, "cboYear")->setFocus();
        const auto shown = answerMessage([&] { QTest::mouseClick(child(main.window, "cmdProceed"), Qt::LeftButton); });
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!exitRequested());
        if (message.isEmpty()) {
            QVERIFY2(!shown, qPrintable(shown ? shown->text : QString()));
            // Handed on, and closed without ending the program.
            QVERIFY(main.handed);
            QCOMPARE(main.handed->BirthYear, input.at(3).toInt());
            QVERIFY(main.window.isNull());
            return;
        }
        QVERIFY(shown);
        QCOMPARE(shown->text, message);
        QCOMPARE(int(shown->icon), icon);
        QCOMPARE(shown->title, QStringLiteral("VQ Rudraksha Numerology"));
        QCOMPARE(shown->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        // The input stays as typed for the user to correct.
        QVERIFY(main.window && main.window->isVisible());
        QCOMPARE(shownInput(main.window), input);
        QVERIFY(!main.handed);
        QCOMPARE(main.window->focusWidget() == child(main.window, "txtName"), icon == QMessageBox::Critical);
    }

    void theReadingHandedOn_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<bool>("enterKey"); // Enter in the name box instead of the button
        QTest::addColumn<QString>("personName");
        QTest::addColumn<int>("lifePath");
        QTest::addColumn<int>("destiny");
        QTest::newRow("John Smith, 15 August 1985")
            << QStringList{"John Smith", "15", "August", "1985"} << false << "John Smith" << 1 << 8;
        QTest::newRow("Enter in the name box")
            << QStringList{"John Smith", "15", "August", "1985"} << true << "John Smith" << 1 << 8;
        QTest::newRow("spaces around the name")
            << QStringList{"  Eve ", "1", "January", "1902"} << false << "Eve" << 5 << 5;
    }
    void theReadingHandedOn()
    {
        QFETCH(QStringList, input);
        QFETCH(bool, enterKey);
        QFETCH(QString, personName);
        QFETCH(int, lifePath);
        QFETCH(int, destiny);

        WatchedMain main;
        enterInput(main.window, input);
        if (enterKey) {
            QTest::keyClick(child(main.window, "txtName"), Qt::Key_Return);
        } else {
            QTest::mouseClick(child(main.window, "cmdProceed"), Qt::LeftButton);
        }
        QVERIFY(main.handed);
        QCOMPARE(QString::fromStdString(main.handed->PersonName), personName);
        QCOMPARE(main.handed->BirthMonthName, input.at(2).toStdString());
        QCOMPARE(main.handed->LifePathNumber, lifePath);
        QCOMPARE(main.handed->DestinyNumber, destiny);
        QVERIFY(!main.handed->LifePathText.empty() && !main.handed->DestinyText.empty());
    }

    void open_data()
    {
        QTest::addColumn<QString>("how"); // cmdOpen, Ctrl+O, or the first recent reading in the File menu
        QTest::addColumn<QString>("fileName"); // empty: Cancel
        QTest::addColumn<QString>("typed"); // in the dialog; empty: the file's name
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("personName"); // empty: refused
        QTest::addColumn<int>("lifePath");
        QTest::addColumn<int>("destiny");

        const auto via = [](const char* how, const char* name, const char* file, const QByteArray& bytes,
                             const char* person = "", int lifePath = 0, int destiny = 0) {
            QTest::newRow(name) << how << file << "" << bytes << person << lifePath << destiny;
        };
        const auto row
            = [&via](const char* name, const char* file, const QByteArray& bytes, const char* person = "",
                  int lifePath = 0, int destiny = 0) { via("cmdOpen", name, file, bytes, person, lifePath, destiny); };
        const QByteArray sample("Sample Name");
        row("Cancel", "", kSampleFile);
        row("wrong extension", "x.txt", kSampleFile);
        row("three lines", "three.rkn", fileOf({sample, "15", "8"}));
        row("plain text", "plain.rkn", "Sample Name\r\n15\r\n8\r\nAugust\r\n1985\r\n");
        row("empty file", "empty.rkn", "");
        row("day 0", "day.rkn", fileOf({sample, "0", "8", "August", "1985"}));
        row("month 13", "month.rkn", fileOf({sample, "15", "13", "August", "1985"}));
        row("name without letters A to Z", "name.rkn", fileOf({"12 34", "15", "8", "August", "1985"}));
        // Life path: day + month + year reduced; destiny: A J S = 1 ... I R = 9, reduced.
        row("NAME.RKN", "NAME.RKN", kSampleFile, "Sample Name", 1, 9);
        row("readingrkn without a dot", "readingrkn", fileOf({"Ann Lee", "2", "3", "March", "2000"}), "Ann Lee", 7, 6);
        QTest::newRow("bare name opens NAME.rkn") << "cmdOpen"
                                                  << "js.rkn"
                                                  << "js" << kSampleFile << "Sample Name" << 1 << 9;
        row("LF line ends", "lf.rkn", fileOf({"Ann Lee", "2", "3", "March", "2000"}, "\n"), "Ann Lee", 7, 6);
        row("lines after the fifth", "extra.rkn", fileOf({"Bob Smith", "1", "1", "January", "1999", "x", "12"}),
            "Bob Smith", 3, 7);
        via("Ctrl+O", "Ctrl+O", "keys.rkn", kSampleFile, "Sample Name", 1, 9);
        // Listed as "Listed & Co" when opened last; the file tells the name.
        via("recent", "recent reading", "listed.rkn", kSampleFile, "Sample Name", 1, 9);
        via("recent", "recent reading gone", "gone.rkn", kGone);
        via("recent", "recent reading no longer a reading", "spoilt.rkn", "shopping list\r\n");
    }
    void open()
    {
        QFETCH(QString, how);
        QFETCH(QString, fileName);
        QFETCH(QString, typed);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, personName);
        QFETCH(int, lifePath);
        QFETCH(int, destiny);

        QTemporaryDir dir;
        const QString path = fileName.isEmpty() ? QString() : dir.filePath(fileName);
        QVERIFY(path.isEmpty() || bytes == kGone || writeFile(path, bytes));
        const bool recent = how == QLatin1String("recent");
        // Another program's recent file, which must stay listed.
        const QString otherRecent = QStringLiteral("file:///elsewhere/notes.txt");
        if (recent) {
            sys::noteRecentReading(path, QStringLiteral("Listed & Co"));
            QVERIFY(!isUnix() || writeFile(sys::desktopRecentFilesPath(), RecentFiles(otherRecent)));
        }
        WatchedMain main;
        enterInput(main.window, {"Typed Person", "3", "March", "2001"});

        std::optional<Message> message;
        if (recent) {
            auto* entry = child<QAction>(main.window, "mnuRecent_0");
            QCOMPARE(entry->text(), QStringLiteral("&1 Listed && Co (%1)").arg(fileName));
            message = answerMessage([entry] { entry->trigger(); });
        } else {
            const FileAnswer open = answerFile(
                [&] {
                    if (how == QLatin1String("Ctrl+O")) {
                        QTest::keySequence(main.window, QKeySequence(how));
                    } else {
                        QTest::mouseClick(child(main.window, "cmdOpen"), Qt::LeftButton);
                    }
                },
                typed.isEmpty() ? path : dir.filePath(typed));
            QVERIFY(open.dialog && !open.question);
            message = open.message;
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!personName.isEmpty()) {
            // Listed after the next paint, the result window's in the program;
            // here a window of the test's own paints.
            QWidget painted;
            painted.show();
            QVERIFY(QTest::qWaitForWindowExposed(&painted));
            QTRY_VERIFY(!sys::recentReadings().isEmpty() && sys::recentReadings().front().path == path
                && sys::recentReadings().front().personName == personName);
        }
        const QList<sys::RecentReading> listed = sys::recentReadings();
        const bool listedFirst = !listed.isEmpty() && listed.front().path == path;
        if (!personName.isEmpty()) {
            QVERIFY2(!message, qPrintable(message ? message->text : QString()));
            QVERIFY(main.handed);
            QCOMPARE(QString::fromStdString(main.handed->PersonName), personName);
            QCOMPARE(main.handed->LifePathNumber, lifePath);
            QCOMPARE(main.handed->DestinyNumber, destiny);
            QVERIFY(main.window.isNull());
            // Listed first, here and in the desktop's recent files.
            QVERIFY(listedFirst);
            QCOMPARE(listed.front().personName, personName);
            QVERIFY(inDesktopRecentFiles(path));
            QVERIFY(!recent || !isUnix() || fileContents(sys::desktopRecentFilesPath()).contains(otherRecent.toUtf8()));
            return;
        }
        // Refused or cancelled: the main window and its input stay as they were,
        // and a refused file is not listed.
        QVERIFY(path.isEmpty() || !listedFirst);
        QCOMPARE(message.has_value(), !path.isEmpty());
        if (message) {
            QCOMPARE(message->text, QStringLiteral("Please Check The File."));
            QCOMPARE(message->icon, QMessageBox::Critical);
        }
        QVERIFY(main.window && main.window->isVisible());
        QCOMPARE(shownInput(main.window), QStringList({"Typed Person", "3", "March", "2001"}));
        QVERIFY(!main.handed);
    }

    void dropOneReading_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("one reading") << QStringList{"dropped.RKN"} << true;
        QTest::newRow("another kind of file") << QStringList{"notes.txt"} << false;
        QTest::newRow("two readings") << QStringList{"one.rkn", "two.rkn"} << false;
        // The byte E9 alone (Latin-1 "é") is not UTF-8.
        QTest::newRow("name that is not UTF-8") << QStringList{QString::fromLatin1("caf\xe9.rkn")} << true;
    }
    void dropOneReading()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, accepted);
        if (!isUnix() && QString(files.join(QString())).contains(QChar(0xE9))) {
            QSKIP("a Windows file name is text, never bytes that are not UTF-8");
        }
        QTemporaryDir dir;
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& file : files) {
            // The name's bytes as they stand, whether UTF-8 or not.
            const QByteArray path = QFile::encodeName(dir.path()) + '/' + file.toLatin1();
            std::FILE* written = std::fopen(path.constData(), "wb");
            QVERIFY(written != nullptr);
            QCOMPARE(std::fwrite(kSampleFile.constData(), 1, kSampleFile.size(), written), size_t(kSampleFile.size()));
            QCOMPARE(std::fclose(written), 0);
            urls << QUrl::fromEncoded(
                "file://" + QByteArray(path.startsWith('/') ? "" : "/") + path.toPercentEncoding("/"));
        }
        data.setUrls(urls);
        WatchedMain main;
        const QPoint centre = main.window->rect().center();
        QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(main.window, &enter);
        QCOMPARE(enter.isAccepted(), accepted);
        if (accepted) {
            QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(main.window, &drop);
            QTRY_VERIFY(main.handed);
            QCOMPARE(main.handed->PersonName, std::string("Sample Name"));
        }
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"

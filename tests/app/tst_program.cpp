// The program as a whole: start-up (a second copy refused, the main window
// with one offer in front), the windows handing a reading on and back, a
// reading saved and opened again, the end of the program (every window closed
// once), and twenty readings in a row that leave nothing behind.

#include "GuiTest.h"
#include "TestData.h"
#include "Unix.h"
#include "Windows.h"

#include "app/Application.h"
#include "app/SingleInstance.h"
#include "app/StartProgram.h"
#include "app/UpdateCheck.h"
#include "core/storage/ReadingFileLayout.h"
#include "system/ProgramNames.h"
#include "system/SavedReadings.h"
#include "system/Settings.h"
#include "system/SettingsStore.h"
#include "system/Translation.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/result/frmRudrakshNumerologyResult.h"

#include <QAction>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWindow>

#include <map>
#include <memory>

namespace {

// Counts the close events each watched window receives, by object name. The
// hidden window, closed only by EndProgram, calls it again: a nested call.
class CloseCounter final : public QObject {
public:
    std::map<QString, int> counts;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close && ++counts[watched->objectName()] == 1
            && watched->objectName() == QLatin1String("hidden")) {
            app::EndProgram();
        }
        return false;
    }
};

QWidgetList VisibleWindows()
{
    QWidgetList visible = QApplication::topLevelWidgets();
    visible.removeIf([](const QWidget* window) { return !window->isVisible(); });
    return visible;
}

bool ReminderStored()
{
    return !sys::Settings::reminderDate().isEmpty();
}

QWidget* OpenMain()
{
    return shown(app::showMainWindow());
}

// The result window of John Smith, born 15 August 1985, reached from the main window.
QWidget* ResultThroughMain()
{
    proceed(OpenMain(), {"John Smith", "15", "August", "1985"});
    QWidget* result = resultWindow();
    return result != nullptr ? shown(result) : nullptr;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

int objectsOfType(const char* className)
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        for (QObject* object : window->findChildren<QObject*>()) {
            count += object->inherits(className) ? 1 : 0;
        }
    }
    count += static_cast<int>(qApp->findChildren<QTimer*>().size());
    return count;
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { initGui(); }
    void init()
    {
        // Each test starts as a first start, with settings of its own.
        m_settings = std::make_unique<QTemporaryDir>();
        useHome(*m_settings);
        QVERIFY(m_locks.isValid());
    }
    void cleanup() { closeAll(); }

    void secondCopyRefused()
    {
        app::SingleInstance running({m_locks.path()});
        QCOMPARE(running.tryAcquire(), app::SingleInstance::Result::Acquired);
        app::SingleInstance instance({m_locks.path()});
        bool started = true;
        const auto shown = answerMessage([&] { started = app::StartUp(instance); });

        QVERIFY(shown);
        QCOMPARE(shown->text, QStringLiteral("Application is already running"));
        QCOMPARE(shown->icon, QMessageBox::Information);
        QVERIFY(!started);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!mainWindow());
        QVERIFY(VisibleWindows().isEmpty());
        QVERIFY(!ReminderStored());
        QVERIFY(exitRequested());
    }

    void started_data()
    {
        QTest::addColumn<bool>("lockFree");
        QTest::newRow("lock free") << true;
        // The kernel's socket holds the lock where no folder can.
        QTest::newRow("no folder can hold a lock") << false;
    }
    void started()
    {
        QFETCH(bool, lockFree);
        if (!lockFree && !isUnix()) {
            QSKIP("the lock on Windows is a mutex, which needs no folder");
        }
        const QString notAFolder = m_locks.filePath(QStringLiteral("a file"));
        QVERIFY(writeFile(notAFolder, "a file"));
        app::SingleInstance instance({lockFree ? m_locks.path() : notAFolder});
        ModalWatcher unexpected([](QWidget* modal) { modal->close(); });
        QVERIFY(app::StartUp(instance));
        QVERIFY(!unexpected.seen()); // a first start asks nothing
        QWidget* main = mainWindow();
        QVERIFY(main);
        QCOMPARE(VisibleWindows(), QWidgetList{main});
        QVERIFY(child(main, "lblCobrand")->isVisible() != child(main, "lblFullBrand")->isVisible());
        // Written once the window has painted.
        QTRY_VERIFY(ReminderStored());
        QVERIFY(!exitRequested());
    }

    void readingFileArgument_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("good");
        QTest::newRow("good reading") << kSampleFile << true;
        QTest::newRow("refused file") << QByteArray("shopping list\r\n") << false;
    }
    void readingFileArgument()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, good);
        const QString path = m_locks.filePath(QStringLiteral("given.rkn"));
        QVERIFY(writeFile(path, bytes));
        app::SingleInstance instance({m_locks.path()});
        bool started = false;
        const auto shown = answerMessage([&] { started = app::StartUp(instance, path); });
        QVERIFY(started);
        QCOMPARE(shown.has_value(), !good);
        if (shown) {
            QCOMPARE(shown->text, QStringLiteral("Please Check The File."));
        }
        // A good reading comes up at once, as after Open; a refused file leaves the main window.
        QWidget* shownWindow = good ? resultWindow() : mainWindow();
        QVERIFY(shownWindow);
        QCOMPARE(VisibleWindows(), QWidgetList{shownWindow});
        if (good) {
            QCOMPARE(pageTexts(shownWindow).at(0), QStringLiteral("1"));
        }
        QVERIFY(!exitRequested());
    }

    void endProgram_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("EndProgram") << "EndProgram";
        QTest::newRow("user closes the main window") << "frmMain";
        QTest::newRow("user closes the result window") << "frmRudrakshNumerologyResult";
    }
    void endProgram()
    {
        QFETCH(QString, how);
        QPointer<QWidget> main = app::showMainWindow();
        QPointer<QWidget> result = app::showResultWindow(core::completeReading(sampleReading()));
        QPointer<QWidget> hidden = new QWidget; // loaded, never shown
        hidden->setObjectName(QStringLiteral("hidden"));
        hidden->setAttribute(Qt::WA_DeleteOnClose);
        CloseCounter counter;
        for (QWidget* window : {main.data(), result.data(), hidden.data()}) {
            window->installEventFilter(&counter);
        }

        QCOMPARE(runProgram([&] {
            if (how == QLatin1String("EndProgram")) {
                app::EndProgram();
            } else {
                (how == main->objectName() ? main : result)->windowHandle()->close();
            }
        }),
            0);
        const std::map<QString, int> once{{"frmMain", 1}, {"frmRudrakshNumerologyResult", 1}, {"hidden", 1}};
        QCOMPARE(counter.counts, once);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(main.isNull() && result.isNull() && hidden.isNull());
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("code"); // 0: the program ended
        const auto row = [](const char* window, const char* how, int code) {
            QTest::addRow("%s: %s", window, how) << window << how << code;
        };
        row("main", "close box", 0);
        row("main", "mnuExit", 0);
        row("main", "reading", 2);
        row("result", "cmdBack", 2);
        row("result", "mnuBack", 2);
        row("result", "mnuExit", 0);
        row("result", "close box", 0);
        row("main", "Ctrl+Q", 0);
        row("result", "Ctrl+W", 2);
        row("result", "Ctrl+Q", 0);
    }
    void leaving()
    {
        QFETCH(QString, window);
        QFETCH(QString, how);
        QFETCH(int, code);
        const bool fromMain = window == QLatin1String("main");
        QPointer<QWidget> host = fromMain ? OpenMain() : ResultThroughMain();
        QVERIFY(host);
        QCOMPARE(runProgram([&] {
            if (how == QLatin1String("reading")) {
                proceed(host, {"John Smith", "15", "August", "1985"});
            } else if (how.startsWith(QLatin1String("Ctrl+"))) {
                QTest::keySequence(host, QKeySequence(how));
            } else if (auto* button = host->findChild<QPushButton*>(how)) {
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (auto* action = host->findChild<QAction*>(how)) {
                action->trigger();
            } else {
                host->windowHandle()->close();
            }
        }),
            code);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(host.isNull());
        // A reading leaves just the result window; Back, just a fresh main window.
        QWidget* main = mainWindow();
        QWidget* result = resultWindow();
        QCOMPARE(QList<bool>({main != nullptr, result != nullptr}), QList<bool>({code && !fromMain, code && fromMain}));
        QVERIFY(code == 0 || (fromMain ? result : main)->isVisible());
        QCOMPARE(
            main ? shownInput(main) : QStringList(), main ? QStringList({"", "1", "January", "1900"}) : QStringList());
    }

    void saveAndReopen_data()
    {
        QTest::addColumn<QStringList>("input");
        QTest::addColumn<QString>("warned"); // the letters a warning before the dialog names
        QTest::addColumn<QByteArray>("saved"); // empty: the warning's Cancel saves nothing
        QTest::addColumn<QString>("fileName"); // empty: saved.rkn; else also the program's argument
        const auto row
            = [](const char* name, const QStringList& input, const QString& warned, const QByteArray& saved,
                  const QString& fileName = {}) { QTest::newRow(name) << input << warned << saved << fileName; };

        const QStringList sample{"  Sample Name ", "15", "August", "1985"};
        row("spaces around the name", sample, "", kSampleFile);
        // é lies above code 170, so the shift drops it; it has no value, so the pages stay the same.
        // The name box takes no more than a file holds, so the reading can be saved.
        const QByteArray tooLong(32767, 'a');
        row("name cut to what a file holds", {QString::fromLatin1(tooLong), "1", "January", "2000"}, "",
            fileOf({tooLong.left(32766), "1", "1", "January", "2000"}));
        row("accented letter dropped after a warning", {"Renée Smith", "1", "January", "2000"}, "é",
            fileOf({"Rene Smith", "1", "1", "January", "2000"}));
        row("warning cancelled", {"Zoë Müller", "1", "January", "2000"}, "ë ü", {});
        // File names beyond any one code page (Windows' ANSI page is 1252 here).
        row("Devanagari file name", sample, "", kSampleFile, QStringLiteral("कृष्णा.rkn"));
        row("Polish file name", sample, "", kSampleFile, QStringLiteral("Łódź.rkn"));
        row("Japanese file name", sample, "", kSampleFile, QStringLiteral("日本.rkn"));
    }
    void saveAndReopen()
    {
        QFETCH(QStringList, input);
        QFETCH(QString, warned);
        QFETCH(QByteArray, saved);
        QFETCH(QString, fileName);

        proceed(OpenMain(), input);
        QWidget* result = resultWindow();
        QVERIFY(result);
        const QStringList shown = pageTexts(result);
        const QString path = m_settings->filePath(fileName.isEmpty() ? QStringLiteral("saved.rkn") : fileName);
        const FileAnswer save = answerFile([&] { QTest::mouseClick(child(result, "cmdSave"), Qt::LeftButton); }, path,
            QMessageBox::No, {}, saved.isEmpty() ? QMessageBox::Cancel : QMessageBox::Save);
        QCOMPARE(save.warning.has_value(), !warned.isEmpty());
        if (save.warning) {
            // Which letters are left out, and the name as it will be saved.
            QVERIFY2(save.warning->text.contains(QStringLiteral(": ") + warned + QLatin1Char('\n')),
                qPrintable(save.warning->text));
            const QString asSaved = QString::fromStdString(core::textAsSaved(input.at(0).toStdString()));
            QVERIFY2(save.warning->text.contains(QLatin1Char('"') + asSaved + QLatin1Char('"')),
                qPrintable(save.warning->text));
            QCOMPARE(save.warning->icon, QMessageBox::Warning);
            QCOMPARE(save.warning->buttons, QMessageBox::Save | QMessageBox::Cancel);
        }
        if (saved.isEmpty()) {
            QVERIFY(!save.dialog && !QFile::exists(path));
            return;
        }
        QVERIFY(save.dialog && !save.question && !save.message);
        QCOMPARE(fileContents(path).toHex(' '), saved.toHex(' '));

        QTest::mouseClick(child(result, "cmdBack"), Qt::LeftButton);
        QWidget* main = mainWindow();
        QVERIFY(main && !resultWindow());
        const FileAnswer open = answerFile([&] { QTest::mouseClick(child(main, "cmdOpen"), Qt::LeftButton); }, path);
        QVERIFY(open.dialog && !open.question && !open.message);
        result = resultWindow();
        QVERIFY(result && result->isVisible() && !mainWindow());
        QCOMPARE(pageTexts(result), shown);
        // Saved again (Ctrl+S), the reopened reading gives the same file.
        const QString again = m_settings->filePath(QStringLiteral("again.rkn"));
        QVERIFY(answerFile([&] { QTest::keySequence(::shown(result), QKeySequence(QStringLiteral("Ctrl+S"))); }, again)
                    .dialog);
        QCOMPARE(fileContents(again).toHex(' '), saved.toHex(' '));
        if (!fileName.isEmpty()) {
            QCOMPARE(recordedByTheProgram(path), path);
        }
    }

    // Two readings of the register compared: the upper one's reading comes
    // up as Open brings it, and over it its chart compares it with the other.
    void compareFromTheRegister()
    {
        const QString folder = m_settings->filePath(QStringLiteral("readings"));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(sys::writeReadingFile(folder + QStringLiteral("/priya.rkn"), personBorn("Priya Sharma", 3, 11, 1988)),
            QString());
        QCOMPARE(sys::writeReadingFile(folder + QStringLiteral("/john.rkn"), personBorn("John Smith", 15, 8, 1985)),
            QString());
        sys::Settings::setReadingsFolder(folder);

        QWidget* main = OpenMain();
        std::unique_ptr<ModalWatcher> chartWatcher;
        QString compared;
        int tab = -1;
        ModalWatcher registerWatcher([&](QWidget* readings) {
            auto* table = child<QTableView>(readings, "tblReadings");
            QTRY_COMPARE(table->model()->rowCount(), 2);
            table->selectAll();
            chartWatcher = std::make_unique<ModalWatcher>(
                [&](QWidget* chart) {
                    tab = child<QTabWidget>(chart, "tabChart")->currentIndex();
                    compared = child<QTextBrowser>(chart, "txtComparison")->toPlainText();
                    QTest::keyClick(chart, Qt::Key_Escape);
                },
                readings);
            QTest::mouseClick(child(readings, "cmdCompare"), Qt::LeftButton);
        });
        QTest::keySequence(main, QKeySequence(Qt::CTRL | Qt::Key_R));
        QVERIFY(registerWatcher.seen());
        QVERIFY(chartWatcher);
        QTRY_VERIFY(chartWatcher->seen());
        QTRY_COMPARE(tab, 3);
        QVERIFY2(compared.contains(QStringLiteral("Day to day, the birth numbers 6 and 3 are strained.")),
            qPrintable(compared));
        auto* result = qobject_cast<ui::frmRudrakshNumerologyResult*>(resultWindow());
        QVERIFY(result && result->isVisible() && !mainWindow());
        QCOMPARE(result->reading().PersonName, std::string("John Smith"));
    }

    // Help > Language speaks at once: the window on screen is made anew in the
    // language, and a result window keeps its reading.
    void languageFromTheMenu()
    {
        const auto english = qScopeGuard([] { sys::chooseLanguage(QStringLiteral("en")); });
        const QStringList input
            = {QStringLiteral("John Smith"), QStringLiteral("15"), QStringLiteral("August"), QStringLiteral("1985")};
        proceed(OpenMain(), input);
        const QStringList inEnglish = pageTexts(resultWindow());
        QTest::mouseClick(child(resultWindow(), "cmdBack"), Qt::LeftButton);

        child<QAction>(mainWindow(), "mnuLanguage_hi")->trigger();
        QTRY_COMPARE(
            child<QPushButton>(mainWindow(), "cmdOpen")->text(), QStringLiteral("पहले सहेजा गया अंक ज्योतिष फल खोलें (&O)"));
        const QWidgetList windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); }), 1);
        // A file saved in English opens in Hindi.
        const QString saved = m_settings->filePath(QStringLiteral("english.rkn"));
        QVERIFY(writeFile(saved, kSampleFile));
        QVERIFY(qobject_cast<ui::frmMain*>(mainWindow())->openReadingFile(saved));
        QCOMPARE(child<QLabel>(resultWindow(), "lblResult_1")->text(), QStringLiteral("एक मुखी रुद्राक्ष"));
        QTest::mouseClick(child(resultWindow(), "cmdBack"), Qt::LeftButton);

        // The month list speaks Hindi; the reading is the same.
        child<QLineEdit>(mainWindow(), "txtName")->setText(input[0]);
        child<QComboBox>(mainWindow(), "cboDate")->setCurrentIndex(14);
        child<QComboBox>(mainWindow(), "cboMonth")->setCurrentIndex(7);
        QCOMPARE(child<QComboBox>(mainWindow(), "cboMonth")->currentText(), QStringLiteral("अगस्त"));
        child<QComboBox>(mainWindow(), "cboYear")->setCurrentText(input[3]);
        QTest::mouseClick(child(mainWindow(), "cmdProceed"), Qt::LeftButton);
        QWidget* result = resultWindow();
        QVERIFY(result);
        QCOMPARE(child<QLabel>(result, "lblResult_11")->text(), QStringLiteral("आठ मुखी रुद्राक्ष"));

        child<QAction>(result, "mnuLanguage_en")->trigger();
        QTRY_VERIFY(resultWindow() != nullptr && resultWindow() != result);
        QCOMPARE(pageTexts(resultWindow()), inEnglish);
    }

    // The real program, with no display at all: what it prints and how it ends.
    void commandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("out"); // patterns of the whole output
        QTest::addColumn<QString>("err");
        QTest::addColumn<int>("code");
        const QString usage = QStringLiteral("Usage: vq-rudraksha-numerology \\[OPTION\\]\\.\\.\\. \\[FILE\\]\n.*");
        const QString noDisplay = QStringLiteral("vq-rudraksha-numerology: no display could be opened; [^\n]*\n");
        const QString version = QStringLiteral("VQ Rudraksha Numerology %1\n").arg(QStringLiteral(VQ_VERSION));
        const auto row = [](const char* name, const QStringList& arguments, const QString& out, const QString& err,
                             int code) { QTest::newRow(name) << arguments << out << err << code; };
        row("--help", {"--help"}, usage, "", 0);
        row("-h, after a file", {"x.rkn", "-h"}, usage, "", 0);
        row("--version", {"--version"}, version, "", 0);
        row("Qt's options pass", {"-platform", "offscreen", "-style=fusion", "--version"}, version, "", 0);
        row("unknown option", {"--colour"}, "", "vq-rudraksha-numerology: unknown option \"--colour\"\n" + usage, 2);
        row("unknown single dash", {"-x", "--help"}, "", "[^\n]*\"-x\"\n" + usage, 2);
        row("-- ends the options", {"--", "--help"}, "", noDisplay, 1);
        row("second file", {"a.rkn", "b.rkn"}, "",
            "vq-rudraksha-numerology: only one reading opens at a time; \"b.rkn\" is left alone\n" + noDisplay, 1);
        row("no display", {}, "", noDisplay, 1);
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QFETCH(int, code);
        if (code == 1 && !isUnix()) {
            QSKIP("a Windows program always has a display");
        }
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            environment.remove(QString::fromLatin1(name));
        }
        environment.insert(QStringLiteral("HOME"), m_settings->path());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_locks.path());
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(PROGRAM), arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        const auto matches = [](const QString& pattern, const QByteArray& text) {
            const QRegularExpression whole(
                QRegularExpression::anchoredPattern(pattern), QRegularExpression::DotMatchesEverythingOption);
            return whole.match(QString::fromLocal8Bit(text)).hasMatch();
        };
        const QByteArray printed = program.readAllStandardOutput();
        const QByteArray said = program.readAllStandardError();
        QVERIFY2(matches(out, printed), printed.constData());
        QVERIFY2(matches(err, said), said.constData());
        QCOMPARE(program.exitCode(), code);
    }

    void twentyReadingsLeaveNothingBehind()
    {
        const QStringList names = {QStringLiteral("John Smith"), QStringLiteral("Zoe"), QStringLiteral("Lily")};
        int windowsAfterFirst = -1;
        int objectsAfterFirst = -1;
        int timersAfterFirst = -1;
        QWidget* main = app::showMainWindow();
        for (int round = 0; round < 20; ++round) {
            child<QLineEdit>(main, "txtName")->setText(names.at(round % names.size()));
            child<QComboBox>(main, "cboDate")->setCurrentIndex(round);
            child<QComboBox>(main, "cboMonth")->setCurrentIndex(round % 12);
            child<QPushButton>(main, "cmdProceed")->click();
            flushDeletes();
            QCOMPARE(mainWindow(), nullptr);
            QWidget* result = resultWindow();
            QVERIFY(result != nullptr);
            QVERIFY(result->isVisible());

            child<QPushButton>(result, "cmdBack")->click();
            flushDeletes();
            QCOMPARE(resultWindow(), nullptr);
            main = mainWindow();
            QVERIFY(main != nullptr);

            const int windows = static_cast<int>(QApplication::topLevelWidgets().size());
            const int objects = objectsOfType("QObject");
            const int timers = objectsOfType("QTimer");
            if (round == 0) {
                windowsAfterFirst = windows;
                objectsAfterFirst = objects;
                timersAfterFirst = timers;
            }
            QCOMPARE(windows, windowsAfterFirst);
            QCOMPARE(objects, objectsAfterFirst);
            QCOMPARE(timers, timersAfterFirst);
        }
        delete main;
        flushDeletes();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            QVERIFY2(window->inherits("QMenu") || window->windowType() == Qt::Popup || !window->isVisible(),
                window->metaObject()->className());
        }
    }

private:
    // The path the real program, started with path as its argument, records
    // first among the recent readings as it opens it.
    QString recordedByTheProgram(const QString& path)
    {
        const QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), home.path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_locks.path());
        // Where the program keeps its settings: the user's INI file, or on
        // Windows the registry, which is the same for every home.
        const QString store = isUnix()
            ? home.filePath(QStringLiteral("config/VQ Software/vq-rudraksha-numerology.ini"))
            : QStringLiteral("HKEY_CURRENT_USER\\Software\\VQ Software\\vq-rudraksha-numerology");
        const auto format = isUnix() ? QSettings::IniFormat : QSettings::NativeFormat;
        QSettings(store, format).remove(QStringLiteral("Recent"));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(PROGRAM), {path});
        program.waitForStarted();
        QString recorded;
        QElapsedTimer clock;
        clock.start();
        while (recorded.isEmpty() && clock.elapsed() < 20000 && program.state() == QProcess::Running) {
            QTest::qWait(100);
            recorded = QSettings(store, format).value(QStringLiteral("Recent/1/path")).toString();
        }
        program.kill();
        program.waitForFinished();
        return recorded;
    }

    QTemporaryDir m_locks;
    std::unique_ptr<QTemporaryDir> m_settings;
};

QTEST_MAIN(TestProgram)
#include "tst_program.moc"

// Drives the real windows through one reading and saves a picture of each
// window, dialog and message into the folder given as the first argument,
// with the reading exported as reading.pdf (the script makes a picture of its
// first page).
//
//   scripts/screenshots    (runs this under a virtual display)

#include "Driving.h"
#include "TestData.h"
#include "app/Application.h"
#include "app/SingleInstance.h"
#include "app/StartProgram.h"
#include "app/UpdateCheck.h"
#include "core/numerology/BirthDate.h"
#include "core/numerology/Numerology.h"
#include "system/ProgramNames.h"
#include "system/SavedReadings.h"
#include "system/Settings.h"
#include "system/Translation.h"
#include "ui/desktop/ApplicationFont.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/register/frmReadings.h"
#include "ui/result/frmRudrakshNumerologyResult.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/frmAbout.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

QDir g_output;
// "" for English; else the language's code, which every file name ends in.
QString g_language;

// Runs the event loop for a while, so that windows and menus are drawn.
void wait(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void save(QWidget* window, const QString& name)
{
    // In another language: the main window, both pages and one message.
    static const QStringList kShownInEveryLanguage = {QStringLiteral("main-window"), QStringLiteral("result-life-path"),
        QStringLiteral("result-destiny"), QStringLiteral("message-letters"), QStringLiteral("message-letters-left-out"),
        QStringLiteral("chart-birth-number"), QStringLiteral("chart-all-numbers"), QStringLiteral("chart-lo-shu"),
        QStringLiteral("chart-compatibility"), QStringLiteral("register"), QStringLiteral("register-not-readings")};
    if (!g_language.isEmpty() && !kShownInEveryLanguage.contains(name)) {
        return;
    }
    QApplication::processEvents();
    const QString suffix = g_language.isEmpty() ? QString() : QLatin1Char('-') + g_language;
    window->grab().save(g_output.filePath(name + suffix + QStringLiteral(".png")));
}

// Saves the modal window that opens next, unless name is empty, then answers
// it (by default, closes it).
void saveNextModal(
    const QString& name, std::function<void(QWidget*)> answer = [](QWidget* modal) { modal->close(); })
{
    QTimer::singleShot(300, [name, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            saveNextModal(name, answer);
            return;
        }
        if (!name.isEmpty()) {
            save(modal, name);
        }
        answer(modal);
    });
}

// A practitioner's folder of readings: clients in it and in a folder inside
// it, saved over some months, and three files that are not readings.
QString readingsFolder(const QDir& work)
{
    const struct {
        const char* file;
        const char* name;
        int day, month, year;
    } clients[] = {{"aarav.rkn", "Aarav Sharma", 14, 11, 1988}, {"priya.rkn", "Priya Patel", 2, 6, 1991},
        {"rohan.rkn", "Rohan Mehta", 23, 3, 1979}, {"ananya.rkn", "Ananya Iyer", 9, 9, 2001},
        {"vikram.rkn", "Vikram Singh", 30, 1, 1965}, {"kavya.rkn", "Kavya Reddy", 17, 7, 1995},
        {"john.rkn", "John Smith", 15, 8, 1985}, {"2025/arjun.rkn", "Arjun Nair", 5, 12, 1983},
        {"2025/meera.rkn", "Meera Joshi", 28, 2, 1972}, {"2025/sita.rkn", "Sita Devi", 11, 4, 1958},
        {"2025/maria.rkn", "Maria Gomez", 21, 10, 1990}, {"2025/ishaan.rkn", "Ishaan Kapoor", 1, 5, 2010}};
    const QDir folder(work.filePath(QStringLiteral("Documents/Readings")));
    folder.mkpath(QStringLiteral("2025"));
    QDateTime saved(QDate(2025, 1, 6), QTime(10, 15));
    for (const auto& client : clients) {
        const core::ReadingInput input = personBorn(client.name, client.day, client.month, client.year);
        const QString path = folder.filePath(QString::fromLatin1(client.file));
        sys::writeReadingFile(path, input);
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        file.setFileTime(saved, QFileDevice::FileModificationTime);
        saved = saved.addDays(23).addSecs(47 * 60);
    }
    QFile notes(folder.filePath(QStringLiteral("notes.rkn")));
    notes.open(QIODevice::WriteOnly);
    notes.write("shopping list\r\n");
    QFile video(folder.filePath(QStringLiteral("2025/video.rkn")));
    video.open(QIODevice::WriteOnly);
    video.write(QByteArray(sys::LargestReadingFile + 1, 'v'));
    QFile::link(folder.filePath(QStringLiteral("gone.rkn")), folder.filePath(QStringLiteral("priya copy.rkn")));
    return folder.path();
}

// An answer for saveNextModal: types path into the file dialog and accepts it.
std::function<void(QWidget*)> chooseFile(const QString& path)
{
    return [path](QWidget* modal) { chooseFileIn(modal, path); };
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    app::setUpApplication();
    ui::followLanguageWithFont();
    QApplication::setWindowIcon(ui::programIcon());
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    g_output = QDir(QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath());
    g_output.mkpath(QStringLiteral("."));

    // Settings and files of our own, so nothing of the user's is touched.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir work;
    qputenv("HOME", QFile::encodeName(work.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(work.filePath(QStringLiteral("config"))));
    QCoreApplication::setOrganizationName(QStringLiteral("VQ Software Screenshots"));
    // A second argument names another language to take the pictures in.
    if (argc > 2) {
        g_language = QString::fromLocal8Bit(argv[2]);
        sys::chooseLanguage(g_language);
    }

    // The reminder's question, with an old date stored.
    app::CheckForUpdate(QDate(2026, 1, 1));
    saveNextModal(QStringLiteral("update-question"));
    app::CheckForUpdate(QDate(2026, 2, 1));

    QWidget* main = app::showMainWindow();
    save(main, QStringLiteral("main-window"));

    saveNextModal(QStringLiteral("message-name"));
    control<QPushButton>(main, QStringLiteral("cmdProceed"))->click();
    saveNextModal(QStringLiteral("message-letters"));
    proceedWith(main, QStringLiteral("123"), 1, 1, 1990);
    saveNextModal(QStringLiteral("message-february"));
    proceedWith(main, QStringLiteral("John Smith"), 30, 2, 1990);
    saveNextModal(QStringLiteral("message-thirty-days"));
    proceedWith(main, QStringLiteral("John Smith"), 31, 4, 1990);

    saveNextModal(QStringLiteral("about"));
    ui::frmAbout::showModal(main);

    // Open: the dialog, then a file that holds no reading.
    const QString notAReading = QDir(work.path()).filePath(QStringLiteral("notes.rkn"));
    QFile notes(notAReading);
    notes.open(QIODevice::WriteOnly);
    notes.write("shopping list\r\n");
    notes.close();
    // The dialogs open in the working folder: show ours, not the checkout.
    QDir::setCurrent(work.path());
    saveNextModal(QStringLiteral("open-dialog"), [notAReading](QWidget* dialog) {
        saveNextModal(QStringLiteral("message-check-file"));
        chooseFile(notAReading)(dialog);
    });
    control<QPushButton>(main, QStringLiteral("cmdOpen"))->click();

    proceedWith(main, QStringLiteral("John Smith"), 15, 8, 1985);
    QWidget* result = loadedWindow(QStringLiteral("frmRudrakshNumerologyResult"));
    save(result, QStringLiteral("result-life-path"));
    control<QTabBar>(result, QStringLiteral("TS"))->setCurrentIndex(1);
    save(result, QStringLiteral("result-destiny"));

    // The chart's four tabs, the last compared with another person, whose
    // comparison is exported too.
    saveNextModal(QStringLiteral("chart-birth-number"), [](QWidget* chart) {
        auto* tabs = control<QTabWidget>(chart, QStringLiteral("tabChart"));
        tabs->setCurrentIndex(1);
        save(chart, QStringLiteral("chart-all-numbers"));
        tabs->setCurrentIndex(2);
        save(chart, QStringLiteral("chart-lo-shu"));
        tabs->setCurrentIndex(3);
        control<QLineEdit>(chart, QStringLiteral("txtOtherName"))->setText(QStringLiteral("Priya Sharma"));
        control<QComboBox>(chart, QStringLiteral("cboOtherDate"))->setCurrentIndex(2);
        control<QComboBox>(chart, QStringLiteral("cboOtherMonth"))->setCurrentIndex(10);
        control<QComboBox>(chart, QStringLiteral("cboOtherYear"))->setCurrentText(QStringLiteral("1988"));
        control<QPushButton>(chart, QStringLiteral("cmdCompare"))->click();
        save(chart, QStringLiteral("chart-compatibility"));
        saveNextModal(QString(),
            chooseFile(g_output.filePath(g_language.isEmpty() ? QStringLiteral("comparison.pdf")
                                                              : QStringLiteral("comparison-%1.pdf").arg(g_language))));
        control<QPushButton>(chart, QStringLiteral("cmdExportComparison"))->click();
        chart->close();
    });
    control<QPushButton>(result, QStringLiteral("cmdChart"))->click();

    // Export as PDF, through the menu; the dialog looks like Save's, so no picture of it.
    saveNextModal(QString(),
        chooseFile(g_output.filePath(
            g_language.isEmpty() ? QStringLiteral("reading.pdf") : QStringLiteral("reading-%1.pdf").arg(g_language))));
    control<QAction>(result, QStringLiteral("mnuExport"))->trigger();

    // Save: the dialog, then a save that cannot be done.
    const QString saved = QDir(work.path()).filePath(QStringLiteral("john.rkn"));
    saveNextModal(QStringLiteral("save-dialog"), chooseFile(saved));
    control<QPushButton>(result, QStringLiteral("cmdSave"))->click();
    // A reading whose name is too long for a file, so that Save has to refuse.
    core::Reading tooLong;
    tooLong.PersonName = std::string(40000, 'a');
    tooLong.BirthDay = 15;
    tooLong.BirthMonth = 8;
    tooLong.BirthMonthName = "August";
    tooLong.BirthYear = 1985;
    auto* longResult = new ui::frmRudrakshNumerologyResult;
    longResult->showReading(core::completeReading(tooLong));
    saveNextModal(QStringLiteral("save-dialog"), [saved](QWidget* dialog) {
        saveNextModal(QStringLiteral("message-replace"), [](QWidget* question) {
            saveNextModal(QStringLiteral("message-save-failed"));
            qobject_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click();
        });
        chooseFile(saved)(dialog);
    });
    control<QPushButton>(longResult, QStringLiteral("cmdSave"))->click();

    // A name with letters that a file cannot hold: the warning before the dialog, cancelled.
    core::Reading accented = tooLong;
    accented.PersonName = "Zoë Müller";
    auto* accentedResult = new ui::frmRudrakshNumerologyResult;
    accentedResult->showReading(core::completeReading(accented));
    saveNextModal(QStringLiteral("message-letters-left-out"));
    control<QPushButton>(accentedResult, QStringLiteral("cmdSave"))->click();

    // The main window's File menu, with the reading saved above among the recent ones.
    QWidget* again = app::showMainWindow();
    wait(500);
    auto* file = control<QMenu>(again, QStringLiteral("mnuFile"));
    again->findChild<QMenuBar*>()->setActiveAction(file->menuAction());
    wait(500);
    const QRect shown = again->frameGeometry().united(file->geometry());
    again->screen()
        ->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height())
        .save(g_output.filePath(g_language.isEmpty() ? QStringLiteral("main-file-menu.png")
                                                     : QStringLiteral("main-file-menu-%1.png").arg(g_language)));
    file->close();

    // The register of the saved readings, filled, and its files that are not readings.
    sys::Settings::setReadingsFolder(readingsFolder(QDir(work.path())));
    saveNextModal(QString(), [](QWidget* readings) {
        while (static_cast<ui::frmReadings*>(readings)->isFilling()) {
            wait(50);
        }
        save(readings, QStringLiteral("register"));
        saveNextModal(QStringLiteral("register-not-readings"));
        control<QPushButton>(readings, QStringLiteral("cmdNotReadings"))->click();
        readings->close();
    });
    control<QAction>(again, QStringLiteral("mnuReadings"))->trigger();

    // Last, since the refused copy ends the program: a second copy while another holds the lock.
    app::SingleInstance running({work.path()});
    running.tryAcquire();
    app::SingleInstance second({work.path()});
    saveNextModal(QStringLiteral("message-already-running"));
    app::StartUp(second);
    return 0;
}

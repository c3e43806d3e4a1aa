// Drives the real windows through one reading and saves a picture of each
// window, dialog and message into the folder given as the first argument,
// with the reading exported as reading.pdf (the script makes a picture of its
// first page).
//
//   scripts/screenshots    (runs this under a virtual display)

#include "app/StartProgram.h"
#include "core/numerology/Numerology.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/platform/Program.h"
#include "ui/platform/SingleInstance.h"
#include "ui/platform/UpdateCheck.h"
#include "ui/result/frmRudrakshNumerologyResult.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/frmAbout.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>

namespace {

QDir g_output;

void Save(QWidget* window, const QString& name)
{
    QApplication::processEvents();
    window->grab().save(g_output.filePath(name + QStringLiteral(".png")));
}

// Saves the modal window that opens next, unless name is empty, then answers
// it (by default, closes it).
void SaveNextModal(
    const QString& name, std::function<void(QWidget*)> answer = [](QWidget* modal) { modal->close(); })
{
    QTimer::singleShot(300, [name, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            SaveNextModal(name, answer);
            return;
        }
        if (!name.isEmpty()) {
            Save(modal, name);
        }
        answer(modal);
    });
}

// Types a path into a file dialog and accepts it.
std::function<void(QWidget*)> ChooseFile(const QString& path)
{
    return [path](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

template <typename Control = QWidget> Control* ControlOf(const QWidget* window, const char* name)
{
    return window->findChild<Control*>(QLatin1String(name));
}

// The program's window of that name, if one is loaded.
QWidget* WindowNamed(const char* name)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(name) && !window->isHidden()) {
            return window;
        }
    }
    return nullptr;
}

void Proceed(QWidget* main, const QString& name, int day, int month, int year)
{
    ControlOf<QLineEdit>(main, "txtName")->setText(name);
    ControlOf<QComboBox>(main, "cboDate")->setCurrentIndex(day - 1);
    ControlOf<QComboBox>(main, "cboMonth")->setCurrentIndex(month - 1);
    ControlOf<QComboBox>(main, "cboYear")->setCurrentText(QString::number(year));
    ControlOf<QPushButton>(main, "cmdProceed")->click();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ui::setUpApplication();
    QApplication::setWindowIcon(ui::programIcon());
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    g_output = QDir(QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath());
    g_output.mkpath(QStringLiteral("."));

    // Settings and files of our own, so nothing of the user's is touched.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir work;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, work.path());
    QCoreApplication::setOrganizationName(QStringLiteral("VQ Software Screenshots"));

    // The reminder's question, with an old date stored.
    ui::CheckForUpdate(QDate(2026, 1, 1));
    SaveNextModal(QStringLiteral("update-question"));
    ui::CheckForUpdate(QDate(2026, 2, 1));

    QWidget* main = app::showMainWindow();
    Save(main, QStringLiteral("main-window"));

    SaveNextModal(QStringLiteral("message-name"));
    ControlOf<QPushButton>(main, "cmdProceed")->click();
    SaveNextModal(QStringLiteral("message-letters"));
    Proceed(main, QStringLiteral("123"), 1, 1, 1990);
    SaveNextModal(QStringLiteral("message-february"));
    Proceed(main, QStringLiteral("John Smith"), 30, 2, 1990);
    SaveNextModal(QStringLiteral("message-thirty-days"));
    Proceed(main, QStringLiteral("John Smith"), 31, 4, 1990);

    SaveNextModal(QStringLiteral("about"));
    ui::frmAbout::showModal(main);

    // Open: the dialog, then a file that holds no reading.
    const QString notAReading = QDir(work.path()).filePath(QStringLiteral("notes.rkn"));
    QFile notes(notAReading);
    notes.open(QIODevice::WriteOnly);
    notes.write("shopping list\r\n");
    notes.close();
    // The dialogs open in the working folder: show ours, not the checkout.
    QDir::setCurrent(work.path());
    SaveNextModal(QStringLiteral("open-dialog"), [notAReading](QWidget* dialog) {
        SaveNextModal(QStringLiteral("message-check-file"));
        ChooseFile(notAReading)(dialog);
    });
    ControlOf<QPushButton>(main, "cmdOpen")->click();

    Proceed(main, QStringLiteral("John Smith"), 15, 8, 1985);
    QWidget* result = WindowNamed("frmRudrakshNumerologyResult");
    Save(result, QStringLiteral("result-life-path"));
    ControlOf<QTabBar>(result, "TS")->setCurrentIndex(1);
    Save(result, QStringLiteral("result-destiny"));

    // Export as PDF, through the menu; the dialog looks like Save's, so no picture of it.
    SaveNextModal(QString(), ChooseFile(g_output.filePath(QStringLiteral("reading.pdf"))));
    ControlOf<QAction>(result, "mnuExport")->trigger();

    // Save: the dialog, then a save that cannot be done.
    const QString saved = QDir(work.path()).filePath(QStringLiteral("john.rkn"));
    SaveNextModal(QStringLiteral("save-dialog"), ChooseFile(saved));
    ControlOf<QPushButton>(result, "cmdSave")->click();
    // A reading whose name is too long for a file, so that Save has to refuse.
    core::Reading tooLong;
    tooLong.PersonName = std::string(40000, 'a');
    tooLong.BirthDay = 15;
    tooLong.BirthMonth = 8;
    tooLong.BirthMonthName = "August";
    tooLong.BirthYear = 1985;
    auto* longResult = new ui::frmRudrakshNumerologyResult;
    longResult->showReading(core::completeReading(tooLong));
    SaveNextModal(QStringLiteral("save-dialog"), [saved](QWidget* dialog) {
        SaveNextModal(QStringLiteral("message-replace"), [](QWidget* question) {
            SaveNextModal(QStringLiteral("message-save-failed"));
            qobject_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click();
        });
        ChooseFile(saved)(dialog);
    });
    ControlOf<QPushButton>(longResult, "cmdSave")->click();

    // Last, since the refused copy ends the program: a second copy while another holds the lock.
    ui::SingleInstance running({work.path()});
    running.tryAcquire();
    ui::SingleInstance second({work.path()});
    SaveNextModal(QStringLiteral("message-already-running"));
    app::StartUp(second);
    return 0;
}

// Drives the real windows through one reading and saves a picture of each
// window, dialog and message into the folder given as the first argument.
//
//   scripts/screenshots    (runs this under a virtual display)

#include "app/CurrentReading.h"
#include "app/StartProgram.h"
#include "app/frmMain.h"
#include "desktop/CheckForUpdate.h"
#include "desktop/Resources.h"
#include "desktop/SingleInstance.h"
#include "desktop/frmAbout.h"
#include "result/frmRudrakshNumerologyResult.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QLockFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStyleFactory>
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

// Saves the modal window that opens next, then answers it (by default, closes it).
void SaveNextModal(
    const QString& name, std::function<void(QWidget*)> answer = [](QWidget* modal) { modal->close(); })
{
    QTimer::singleShot(300, [name, answer] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            SaveNextModal(name, answer);
            return;
        }
        Save(modal, name);
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

void Proceed(frmMain* main, const QString& name, int day, int month, int year)
{
    main->txtName->setText(name);
    main->cboDate->setCurrentIndex(day - 1);
    main->cboMonth->setCurrentIndex(month - 1);
    main->cboYear->setCurrentText(QString::number(year));
    main->cmdProceed->click();
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(Resources::ProgramIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    g_output = QDir(QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".")).absolutePath());
    g_output.mkpath(QStringLiteral("."));

    // Settings and files of our own, so nothing of the user's is touched.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir work;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, work.path());
    QCoreApplication::setOrganizationName(QStringLiteral("VQ Software Screenshots"));

    // The reminder's question, with an old date stored.
    modHelp::CheckForUpdate(QDate(2026, 1, 1));
    SaveNextModal(QStringLiteral("update-question"));
    modHelp::CheckForUpdate(QDate(2026, 2, 1));

    frmMain* main = frmMain::Instance();
    main->show();
    Save(main, QStringLiteral("main-window"));

    SaveNextModal(QStringLiteral("message-name"));
    main->cmdProceed->click();
    SaveNextModal(QStringLiteral("message-letters"));
    Proceed(main, QStringLiteral("123"), 1, 1, 1990);
    SaveNextModal(QStringLiteral("message-february"));
    Proceed(main, QStringLiteral("John Smith"), 30, 2, 1990);
    SaveNextModal(QStringLiteral("message-thirty-days"));
    Proceed(main, QStringLiteral("John Smith"), 31, 4, 1990);

    SaveNextModal(QStringLiteral("about"));
    frmAbout::ShowModal(main);

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
    main->cmdOpen->click();

    Proceed(main, QStringLiteral("John Smith"), 15, 8, 1985);
    frmRudrakshNumerologyResult* result = frmRudrakshNumerologyResult::LoadedInstance();
    result->show();
    Save(result, QStringLiteral("result-life-path"));
    result->TS->setCurrentIndex(1);
    Save(result, QStringLiteral("result-destiny"));

    // Save: the dialog, then a save that cannot be done.
    const QString saved = QDir(work.path()).filePath(QStringLiteral("john.rkn"));
    SaveNextModal(QStringLiteral("save-dialog"), ChooseFile(saved));
    result->cmdSave->click();
    CurrentReading().PersonName = std::string(40000, 'a');
    SaveNextModal(QStringLiteral("save-dialog"), [saved](QWidget* dialog) {
        SaveNextModal(QStringLiteral("message-replace"), [](QWidget* question) {
            SaveNextModal(QStringLiteral("message-save-failed"));
            qobject_cast<QMessageBox*>(question)->button(QMessageBox::Yes)->click();
        });
        ChooseFile(saved)(dialog);
    });
    result->cmdSave->click();

    // Last, since the refused copy ends the program: a second copy while another holds the lock.
    const QString lockPath = QDir(work.path()).filePath(QStringLiteral("running.lock"));
    QLockFile running(lockPath);
    running.tryLock(0);
    SingleInstance second(lockPath);
    SaveNextModal(QStringLiteral("message-already-running"));
    app::StartUp(second);
    return 0;
}

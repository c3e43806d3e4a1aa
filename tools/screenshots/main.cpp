// Drives the real windows through one reading and saves a picture of each
// window and state into the folder given as the first argument.
//
//   QT_QPA_PLATFORM=offscreen vq-screenshots docs/screenshots

#include "app/frmMain.h"
#include "desktop/CheckForUpdate.h"
#include "desktop/Resources.h"
#include "desktop/frmAbout.h"
#include "desktop/modHelp.h"
#include "result/frmRudrakshNumerologyResult.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QStyleFactory>
#include <QTabBar>
#include <QTimer>

namespace {

QDir g_output;

void Save(QWidget* window, const QString& name)
{
    QApplication::processEvents();
    window->grab().save(g_output.filePath(name + QStringLiteral(".png")));
}

// Saves the modal window that opens next, then closes it.
void SaveNextModal(const QString& name)
{
    QTimer::singleShot(200, [name] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            SaveNextModal(name);
            return;
        }
        Save(modal, name);
        modal->close();
    });
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
    g_output = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    g_output.mkpath(QStringLiteral("."));

    // The reminder's question, from a store of our own holding an old date.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsDir.path());
    QCoreApplication::setOrganizationName(QStringLiteral("VQ Software Screenshots"));
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

    Proceed(main, QStringLiteral("John Smith"), 15, 8, 1985);
    frmRudrakshNumerologyResult* result = frmRudrakshNumerologyResult::LoadedInstance();
    result->show();
    Save(result, QStringLiteral("result-life-path"));
    result->TS->setCurrentIndex(1);
    Save(result, QStringLiteral("result-destiny"));
    return 0;
}

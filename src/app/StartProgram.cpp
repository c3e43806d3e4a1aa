#include "app/StartProgram.h"

#include "app/frmMain.h"
#include "desktop/CheckForUpdate.h"
#include "desktop/Resources.h"
#include "desktop/SingleInstance.h"
#include "desktop/modHelp.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QStyleFactory>
#include <QTimer>

#include <exception>

namespace app {
namespace {

// Sets the program icon once the main window has painted. Decoding the icon's
// sizes from a zero timer started before the event loop would still come
// ahead of the window's first paint.
class IconAfterFirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(Resources::ProgramIcon()); });
            deleteLater();
        }
        return false;
    }
};

} // namespace

bool StartUp(SingleInstance& instance)
{
    // The test comes first: a refused copy shows nothing else and asks nothing.
    if (!instance.TryAcquire()) {
        modHelp::ShowMessage(
            nullptr, QStringLiteral("Application is already running"), modHelp::MessageIcon::Information);
        modHelp::EndProgram();
        return false;
    }

    frmMain* main = frmMain::Instance();
    main->ShowCoBrandOffer(QRandomGenerator::global()->bounded(2) == 0);

    // Whatever goes wrong in the reminder, the main window still appears.
    try {
        modHelp::CheckForUpdate();
    } catch (const std::exception& error) {
        qWarning("Update reminder skipped: %s", error.what());
    } catch (...) {
        qWarning("Update reminder skipped");
    }

    main->show();
    return true;
}

int StartProgram(int& argc, char** argv)
{
    QApplication application(argc, argv);
    modHelp::SetApplicationNames();
    // The windows' colours rely on a style that honours the palette everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The program ends through EndProgram only, never because a window closed.
    QApplication::setQuitOnLastWindowClosed(false);

    SingleInstance instance;
    if (!StartUp(instance)) {
        return 0;
    }
    // Decoding the icon's sizes need not delay the main window's first paint.
    frmMain::LoadedInstance()->installEventFilter(new IconAfterFirstPaint(&application));
    return QApplication::exec();
}

} // namespace app

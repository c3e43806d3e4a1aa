#include "app/StartProgram.h"

#include "app/CommandLine.h"

#include "ui/mainwindow/frmMain.h"
#include "ui/platform/FileAccess.h"
#include "ui/platform/Language.h"
#include "ui/platform/Messages.h"
#include "ui/platform/Program.h"
#include "ui/platform/ReadingFiles.h"
#include "ui/platform/SingleInstance.h"
#include "ui/platform/Termination.h"
#include "ui/platform/UpdateCheck.h"
#include "ui/result/frmRudrakshNumerologyResult.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/UiText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTimer>

#include <exception>
#include <vector>

namespace app {
namespace {

// Sets the program icon once the first window has painted, whichever it is
// (the main window, or the result window of a file named at start-up).
// Decoding the icon's sizes from a zero timer started before the event loop
// would still come ahead of the window's first paint.
class IconAfterFirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()) {
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, qApp, [] { QApplication::setWindowIcon(ui::programIcon()); });
            deleteLater();
        }
        return false;
    }
};

// A new result window, shown with the reading, whose Back brings up a fresh
// main window.
void showResultWindow(const core::Reading& reading)
{
    auto* result = new ui::frmRudrakshNumerologyResult;
    QObject::connect(result, &ui::frmRudrakshNumerologyResult::backRequested, &showMainWindow);
    result->showReading(reading);
}

// Another language was chosen: the working window on screen is made anew in
// it, as Back makes a window anew; a result window keeps its reading.
void speakAnew()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* working = qobject_cast<ui::WorkingWindow*>(window);
        if (working == nullptr || !working->isVisible()) {
            continue;
        }
        if (auto* result = qobject_cast<ui::frmRudrakshNumerologyResult*>(working)) {
            showResultWindow(ui::completedReading(result->reading()));
        } else {
            showMainWindow();
        }
        working->closeForHandOver();
        return;
    }
}

void followLanguageChoice()
{
    static const bool connected
        = (QObject::connect(ui::LanguageNotifier::instance(), &ui::LanguageNotifier::languageChanged, &speakAnew),
            true);
    Q_UNUSED(connected);
}

// A loaded main window, not yet shown, that hands its readings to a new
// result window.
ui::frmMain* createMainWindow()
{
    followLanguageChoice();
    auto* main = new ui::frmMain;
    QObject::connect(main, &ui::frmMain::readingChosen, &showResultWindow);
    return main;
}

} // namespace

ui::frmMain* showMainWindow()
{
    ui::frmMain* main = createMainWindow();
    main->show();
    return main;
}

bool StartUp(ui::SingleInstance& instance, const QString& readingFile)
{
    // The test comes first: a refused copy shows nothing else and asks nothing.
    switch (instance.tryAcquire()) {
    case ui::SingleInstance::Result::Refused:
        ui::showMessage(nullptr, QCoreApplication::translate("app::StartProgram", "Application is already running"),
            ui::MessageIcon::Information);
        ui::EndProgram();
        return false;
    case ui::SingleInstance::Result::NoLock:
        // Better a second copy than none at all.
        qWarning("No lock could be taken to keep a second copy from starting; starting anyway.");
        break;
    case ui::SingleInstance::Result::Acquired:
        break;
    }

    ui::frmMain* main = createMainWindow();
    main->showCoBrandOffer(QRandomGenerator::global()->bounded(2) == 0);

    // Whatever goes wrong in the reminder, the main window still appears.
    try {
        ui::CheckForUpdate();
    } catch (const std::exception& error) {
        qWarning("Update reminder skipped: %s", error.what());
    } catch (...) {
        qWarning("Update reminder skipped");
    }

    // Decoding the icon's sizes need not delay the first window's first paint.
    qApp->installEventFilter(new IconAfterFirstPaint(qApp));
    // A good reading file comes up in the result window and the main window
    // closes, as after Open.
    if (readingFile.isEmpty() || !main->openReadingFile(readingFile)) {
        main->show();
    }
    return true;
}

int StartProgram(int& argc, char** argv)
{
    // The command line is read before any window, so --help needs no display.
    const CommandLine line = parseCommandLine(argumentsOf(argc, argv));
    if (const std::optional<int> code = handleBeforeWindows(line)) {
        return *code;
    }
    // Qt sees only its own options, so a file named after "--" stays a file.
    std::vector<QByteArray> qtArguments;
    std::vector<char*> qtArgv;
    qtArguments.reserve(static_cast<std::size_t>(line.qtArguments.size()));
    qtArgv.reserve(static_cast<std::size_t>(line.qtArguments.size()) + 1);
    for (const QString& argument : line.qtArguments) {
        qtArguments.push_back(ui::nativePath(argument));
    }
    for (QByteArray& argument : qtArguments) {
        qtArgv.push_back(argument.data());
    }
    qtArgv.push_back(nullptr);
    int qtArgc = static_cast<int>(qtArguments.size());

    std::optional<DisplayGuard> guard(std::in_place);
    QApplication application(qtArgc, qtArgv.data());
    guard.reset();
    ui::setUpApplication();
    ui::applyLanguage();

    const QString readingFile = line.readingFile;

    ui::SingleInstance instance;
    if (!StartUp(instance, readingFile)) {
        return 0;
    }
    ui::endProgramOnRequest();
    return QApplication::exec();
}

} // namespace app

#include "app/StartProgram.h"

#include "app/Application.h"
#include "app/CommandLine.h"
#include "app/SingleInstance.h"
#include "app/Termination.h"
#include "app/UpdateCheck.h"

#include "core/numerology/Numerology.h"
#include "system/FileAccess.h"
#include "system/ProgramNames.h"
#include "system/Settings.h"
#include "system/SettingsStore.h"
#include "system/Translation.h"
#include "ui/desktop/ApplicationFont.h"
#include "ui/desktop/Messages.h"
#include "ui/mainwindow/frmMain.h"
#include "ui/result/frmRudrakshNumerologyResult.h"
#include "ui/widgets/AfterPaint.h"
#include "ui/widgets/Pictures.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTimer>

#include <exception>
#include <vector>

namespace app {
namespace {

// Another language was chosen: the working window on screen is made anew in
// it, as Back makes a window anew; a result window shows its reading again.
void speakAnew()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* working = qobject_cast<ui::WindowFrame*>(window);
        if (working == nullptr || !working->isVisible()) {
            continue;
        }
        if (auto* result = qobject_cast<ui::frmRudrakshNumerologyResult*>(working)) {
            showResultWindow(result->reading());
        } else {
            showMainWindow();
        }
        working->closeForHandOver();
        return;
    }
}

// A settings write that failed is said once, in the window, once the event
// that made it is over: the settings are kept until the program ends.
void tellWhenSettingsAreNotWritten()
{
    QObject::connect(
        sys::SettingsNotifier::instance(), &sys::SettingsNotifier::notWritten, qApp,
        [](const QString& location, const QString& reason) {
            const QString text = reason.isEmpty() ? QCoreApplication::translate("app::StartProgram",
                                     "The settings could not be saved in \"%1\". They stay until the program ends; the "
                                     "next start will not have them.")
                                                        .arg(QDir::toNativeSeparators(location))
                                                  : QCoreApplication::translate("app::StartProgram",
                                                      "The settings could not be saved in \"%1\".\n\n%2\n\nThey stay "
                                                      "until the program ends; the next start will not have them.")
                                                        .arg(QDir::toNativeSeparators(location), reason);
            ui::showMessage(QApplication::activeWindow(), text, ui::MessageIcon::Error);
        },
        Qt::QueuedConnection);
}

void followLanguageChoice()
{
    static const bool connected
        = (QObject::connect(sys::LanguageNotifier::instance(), &sys::LanguageNotifier::languageChanged, &speakAnew),
            true);
    Q_UNUSED(connected);
}

// A loaded main window, not yet shown, whose readings are completed and
// shown in a new result window.
ui::frmMain* createMainWindow()
{
    followLanguageChoice();
    auto* main = new ui::frmMain;
    QObject::connect(main, &ui::frmMain::readingRequested,
        [](const core::ReadingInput& input) { showResultWindow(core::completeReading(input)); });
    // Two readings compared: the first one's reading, then over it its chart
    // on the compatibility tab with the second, once the window is on screen.
    QObject::connect(
        main, &ui::frmMain::comparisonRequested, [](const core::ReadingInput& first, const core::ReadingInput& second) {
            ui::frmRudrakshNumerologyResult* result = showResultWindow(core::completeReading(first));
            QTimer::singleShot(0, result, [result, second] { result->showComparison(second); });
        });
    QObject::connect(main, &ui::WindowFrame::endRequested, &EndProgram);
    return main;
}

// The arguments Qt is given, as the bytes a C main() takes.
class QtArguments {
public:
    explicit QtArguments(const QStringList& arguments)
    {
        for (const QString& argument : arguments) {
            m_bytes.push_back(sys::nativePath(argument));
        }
        for (QByteArray& argument : m_bytes) {
            m_pointers.push_back(argument.data());
        }
        m_pointers.push_back(nullptr);
        count = static_cast<int>(m_bytes.size());
    }
    QtArguments(const QtArguments&) = delete;
    QtArguments& operator=(const QtArguments&) = delete;

    int count = 0; // Qt may take its options out
    char** values() { return m_pointers.data(); }

private:
    std::vector<QByteArray> m_bytes;
    std::vector<char*> m_pointers;
};

// --help, --version and an unknown option, answered in the user's language:
// an application object without a display, the program's names and its
// translation, and nothing said on the way (a missing home folder, say).
int answerWithoutWindows(const CommandLine& line, QtArguments& arguments)
{
    const QCoreApplication application(arguments.count, arguments.values());
    sys::setUpProgramNames();
    const QtMessageHandler previous
        = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    sys::applyLanguage();
    qInstallMessageHandler(previous);
    return answerCommandLine(line);
}

} // namespace

ui::frmMain* showMainWindow()
{
    ui::frmMain* main = createMainWindow();
    main->show();
    return main;
}

ui::frmRudrakshNumerologyResult* showResultWindow(const core::Reading& reading)
{
    auto* result = new ui::frmRudrakshNumerologyResult;
    QObject::connect(result, &ui::frmRudrakshNumerologyResult::backRequested, &showMainWindow);
    QObject::connect(result, &ui::WindowFrame::endRequested, &EndProgram);
    result->showReading(reading);
    return result;
}

bool StartUp(SingleInstance& instance, const QString& readingFile)
{
    // The test comes first: a refused copy shows nothing else and asks nothing.
    switch (instance.tryAcquire()) {
    case SingleInstance::Result::Refused:
        ui::showMessage(nullptr, QCoreApplication::translate("app::StartProgram", "Application is already running"),
            ui::MessageIcon::Information);
        EndProgram();
        return false;
    case SingleInstance::Result::NoLock:
        // Better a second copy than none at all.
        qWarning("No lock could be taken to keep a second copy from starting; starting anyway.");
        break;
    case SingleInstance::Result::Acquired:
        break;
    }

    ui::frmMain* main = createMainWindow();
    main->showCoBrandOffer(QRandomGenerator::global()->bounded(2) == 0);

    // Whatever goes wrong in the reminder, the main window still appears.
    // The question comes before the window; the date is written after its
    // first paint.
    try {
        CheckForUpdate(QDate::currentDate(),
            [](const QString& date) { ui::afterNextPaint([date] { sys::Settings::setReminderDate(date); }, true); });
    } catch (const std::exception& error) {
        qWarning("Update reminder skipped: %s", error.what());
    } catch (...) {
        qWarning("Update reminder skipped");
    }

    // Decoding the icon's sizes need not delay the first window's first paint.
    ui::afterNextPaint([] { QApplication::setWindowIcon(ui::programIcon()); }, false);
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
    // Qt sees only its own options, so a file named after "--" stays a file.
    QtArguments qtArguments(line.qtArguments);
    if (line.action != CommandLine::Action::Run) {
        return answerWithoutWindows(line, qtArguments);
    }

    // The names first: the words said while the application object is made
    // come in the language of the user's settings.
    sys::setUpProgramNames();
    std::optional<DisplayGuard> guard(std::in_place, line);
    QApplication application(qtArguments.count, qtArguments.values());
    guard.reset();
    setUpApplication();
    sys::applyLanguage();
    ui::followLanguageWithFont();
    tellWhenSettingsAreNotWritten();

    SingleInstance instance;
    if (!StartUp(instance, line.readingFile)) {
        return 0;
    }
    endProgramOnRequest();
    return QApplication::exec();
}

} // namespace app

#pragma once

// Drives the program's windows the way a user does, for the window tests.

#include "GuiTest.h"
#include "app/CurrentReading.h"
#include "app/frmMain.h"
#include "result/frmRudrakshNumerologyResult.h"

#include <QComboBox>
#include <QEventLoop>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTest>

#include <optional>

namespace drive {

inline void InitGui()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

// The control of window with the given object name; a missing one stops the run.
template <typename Widget = QWidget> Widget* Child(const QObject* window, const QString& name)
{
    auto* child = window != nullptr ? window->findChild<Widget*>(name) : nullptr;
    if (child == nullptr) {
        qFatal("no control %s", qPrintable(name));
    }
    return child;
}

// Runs the event loop as the program does: action first, then the loop until
// the program ends (returns 0) or still runs after half a second (returns 2).
inline int RunProgram(const std::function<void()>& action)
{
    QTimer start;
    QTimer settle;
    for (QTimer* timer : {&start, &settle}) {
        timer->setSingleShot(true);
    }
    QObject::connect(&start, &QTimer::timeout, action);
    QObject::connect(&settle, &QTimer::timeout, [] { QCoreApplication::exit(2); });
    start.start(0);
    settle.start(500);
    return QCoreApplication::exec();
}

// Whether the program was ended outside the event loop since the last call
// (QCoreApplication::exit then makes the next event loop return at once).
inline bool ExitRequested()
{
    QEventLoop probe;
    QTimer::singleShot(0, &probe, [&probe] { probe.exit(1); });
    const bool requested = probe.exec() == -1;
    RunProgram([] { QCoreApplication::exit(0); }); // clears the request
    return requested;
}

// Closes and deletes every window and forgets the reading.
inline void CloseAll()
{
    RunProgram([] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            window->close();
        }
        QCoreApplication::exit(0);
    });
    CurrentReading() = Reading{};
}

struct Message {
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString title;
    QMessageBox::StandardButtons buttons;
};

// Runs action and answers the message box it shows with OK.
inline std::optional<Message> AnswerMessage(const std::function<void()>& action)
{
    std::optional<Message> seen;
    ModalWatcher watcher([&seen](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box != nullptr) {
            seen = Message{box->text(), box->icon(), box->windowTitle(), box->standardButtons()};
        }
        modal->close();
    });
    action();
    return seen;
}

inline frmMain* OpenMain()
{
    frmMain* main = frmMain::Instance();
    main->show();
    main->activateWindow();
    (void)QTest::qWaitForWindowActive(main);
    return main;
}

inline void Enter(const frmMain* main, const QString& name, int day, int month, int year)
{
    Child<QLineEdit>(main, QStringLiteral("txtName"))->setText(name);
    Child<QComboBox>(main, QStringLiteral("cboDate"))->setCurrentText(QString::number(day));
    Child<QComboBox>(main, QStringLiteral("cboMonth"))->setCurrentIndex(month - 1);
    Child<QComboBox>(main, QStringLiteral("cboYear"))->setCurrentText(QString::number(year));
}

// What the input controls show: the name, the day, the month, the year.
inline QStringList Input(const QWidget* main)
{
    return {Child<QLineEdit>(main, QStringLiteral("txtName"))->text(),
        Child<QComboBox>(main, QStringLiteral("cboDate"))->currentText(),
        Child<QComboBox>(main, QStringLiteral("cboMonth"))->currentText(),
        Child<QComboBox>(main, QStringLiteral("cboYear"))->currentText()};
}

// Types the input and presses the reading button; the result window, if any.
inline frmRudrakshNumerologyResult* Proceed(const frmMain* main, const QString& name, int day, int month, int year)
{
    Enter(main, name, day, month, year);
    QTest::mouseClick(Child(main, QStringLiteral("cmdProceed")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return frmRudrakshNumerologyResult::LoadedInstance();
}

// What page p (0 life path, 1 destiny) shows: its ten values, then its three text boxes.
inline QStringList PageTexts(const QWidget* result, int page)
{
    QStringList shown;
    for (int i = 0; i < 10; ++i) {
        shown << Child<QLabel>(result, QStringLiteral("lblResult_%1").arg(10 * page + i))->text();
    }
    for (int i = 0; i < 3; ++i) {
        shown << Child<QPlainTextEdit>(result, QStringLiteral("txtResult_%1").arg(3 * page + i))->toPlainText();
    }
    return shown;
}

inline QString FromCore(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

} // namespace drive

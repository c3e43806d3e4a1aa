#pragma once

// The program's two working windows as a user meets them: found by their
// object names, filled in and read through their controls.

#include "GuiTest.h"

#include "core/numerology/Numerology.h"
#include "ui/result/frmRudrakshNumerologyResult.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

inline QWidget* mainWindow()
{
    return loadedWindow(QStringLiteral("frmMain"));
}

inline QWidget* resultWindow()
{
    return loadedWindow(QStringLiteral("frmRudrakshNumerologyResult"));
}

// Shows the window and waits until it has the focus, as a user finds it.
template <typename Window> Window* shown(Window* window)
{
    window->show();
    window->activateWindow();
    (void)QTest::qWaitForWindowActive(window);
    return window;
}

// A result window of its own, shown, with the reading of these input fields.
inline QWidget* openResult(const core::ReadingInput& input)
{
    auto* result = new ui::frmRudrakshNumerologyResult;
    result->showReading(core::completeReading(input));
    return shown(result);
}

// The input controls: the name, the day, the month, the year.
inline constexpr const char* kInputs[] = {"txtName", "cboDate", "cboMonth", "cboYear"};

inline void enterInput(const QWidget* main, const QStringList& input)
{
    for (int i = 0; i < 4; ++i) {
        child(main, kInputs[i])->setProperty(i == 0 ? "text" : "currentText", input.at(i));
    }
}

// What the input controls show.
inline QStringList shownInput(const QWidget* main)
{
    QStringList shown;
    for (int i = 0; i < 4; ++i) {
        shown << child(main, kInputs[i])->property(i == 0 ? "text" : "currentText").toString();
    }
    return shown;
}

// Types the input and presses the reading button.
inline void proceed(const QWidget* main, const QStringList& input)
{
    enterInput(main, input);
    QTest::mouseClick(child(main, QStringLiteral("cmdProceed")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// What the result pages (0 life path, 1 destiny) show: per page its ten
// values, then its three text boxes.
inline QStringList pageTexts(const QWidget* result, std::initializer_list<int> pages = {0, 1})
{
    QStringList shown;
    for (const int page : pages) {
        for (int i = 0; i < 10; ++i) {
            shown << child<QLabel>(result, QStringLiteral("lblResult_%1").arg(10 * page + i))->text();
        }
        for (int i = 0; i < 3; ++i) {
            shown << child<QPlainTextEdit>(result, QStringLiteral("txtResult_%1").arg(3 * page + i))->toPlainText();
        }
    }
    return shown;
}

#pragma once

#include <QString>

namespace core {
struct Reading;
} // namespace core

namespace ui {
class frmMain;
class frmRudrakshNumerologyResult;
} // namespace ui

namespace app {

class SingleInstance;

// A fresh main window, shown, wired so that a reading it asks for goes to a
// new result window and Back there brings up a fresh main window again.
// Closing either window ends the program.
ui::frmMain* showMainWindow();

// A new result window, shown with the reading, whose Back brings up a fresh
// main window.
ui::frmRudrakshNumerologyResult* showResultWindow(const core::Reading& reading);

// Start-up after the application object exists: refuses a second copy (its
// message, then EndProgram; returns false), starts with a warning when no lock
// can be taken at all, loads the main window with one of its two offers picked
// at random in front and lets the update reminder speak. Then it shows the
// main window, or, given a reading file, opens it as Open does: a good reading
// comes up in the result window, a refused file leaves the main window.
bool StartUp(SingleInstance& instance, const QString& readingFile = QString());

// The whole program: the command line (--help, --version and an unknown
// option are answered in the user's language without any window), the
// application object, StartUp and the event loop. The first file argument,
// if any, is a reading file to open; further ones are left alone with a line
// on stderr.
int StartProgram(int& argc, char** argv);

} // namespace app

#pragma once

#include <QString>

namespace ui {
class SingleInstance;
class frmMain;
} // namespace ui

namespace app {

// A fresh main window, shown, wired so that a reading it hands on goes to a
// new result window and Back there brings up a fresh main window again.
ui::frmMain* showMainWindow();

// Start-up after the application object exists: refuses a second copy (its
// message, then EndProgram; returns false), starts with a warning when no lock
// can be taken at all, loads the main window with one of its two offers picked
// at random in front and lets the update reminder speak. Then it shows the
// main window, or, given a reading file, opens it as Open does: a good reading
// comes up in the result window, a refused file leaves the main window.
bool StartUp(ui::SingleInstance& instance, const QString& readingFile = QString());

// The whole program: the command line (--help, --version and an unknown
// option end it before any window), the application object, StartUp and the
// event loop. The first file argument, if any, is a reading file to open;
// further ones are left alone with a line on stderr.
int StartProgram(int& argc, char** argv);

} // namespace app

#pragma once

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
// can be taken at all, loads the main window with one of
// its two offers picked at random in front, lets the update reminder speak
// and shows the main window.
bool StartUp(ui::SingleInstance& instance);

// The whole program: the application object, StartUp and the event loop.
int StartProgram(int& argc, char** argv);

} // namespace app

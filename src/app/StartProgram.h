#pragma once

class SingleInstance;

namespace app {

// Start-up after the application object exists: refuses a second copy (its
// message, then EndProgram; returns false), loads the main window with one of
// its two offers picked at random in front, lets the update reminder speak
// and shows the main window.
bool StartUp(SingleInstance& instance);

// The whole program: the application object, StartUp and the event loop.
int StartProgram(int& argc, char** argv);

} // namespace app

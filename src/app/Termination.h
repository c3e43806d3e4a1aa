#pragma once

// A request from outside to end the program (on Linux SIGTERM, as at logout or
// from kill, and SIGHUP, as when its terminal closes) ends it as Exit does:
// every window closes, its place is kept, and the event loop ends
// (Termination_unix.cpp, Termination_win.cpp).
namespace app {

// From now on, a request to end the program goes through EndProgram. Called
// once the windows of the start are up, before the event loop runs.
void endProgramOnRequest();

} // namespace app

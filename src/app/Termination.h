#pragma once

#include <chrono>

// A request from outside to end the program (on Linux SIGTERM, as at logout or
// from kill, and SIGHUP, as when its terminal closes) ends it as Exit does:
// every window closes, its place is kept, and the event loop ends
// (Termination_unix.cpp, Termination_win.cpp).
namespace app {

// How long a request to end the program may take: past it, where the event
// loop could not answer, the program ends itself (its windows' places then
// not kept).
inline constexpr std::chrono::milliseconds TerminationGrace{3000};

// From now on, a request to end the program goes through EndProgram, and
// ends it within TerminationGrace however busy its interface thread is.
// Called once the windows of the start are up, before the event loop runs.
void endProgramOnRequest();

} // namespace app

#pragma once

// The application object's set-up and the program's one way out.
namespace app {

// Sets up the application object once, before any window: the program's
// names, the menu entry's name, the windows' look, an end through EndProgram
// only. The program, its benchmarks and its tools all start with it.
void setUpApplication();

// Closes every loaded window once and ends the event loop. A window already
// closing is not closed again, and a call made while the windows are being
// closed starts no second walk.
void EndProgram();

} // namespace app

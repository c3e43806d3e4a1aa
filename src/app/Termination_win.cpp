#include "app/Termination.h"

namespace app {

// Windows asks a program to end by closing its windows (at log-off,
// WM_QUERYENDSESSION and WM_CLOSE), which the windows already answer as Exit.
void endProgramOnRequest() { }

} // namespace app

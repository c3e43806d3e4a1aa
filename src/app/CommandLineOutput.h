#pragma once

#include <QString>

// Where the program's words on the command line go: the help, the version,
// an unknown option, files left alone.
namespace app {

enum class Channel { Output, Error };

// Writes text on the standard output or error. A Windows window program has
// neither unless they were redirected: it then writes to the console of the
// shell that started it, or where there is none shows the text in a message
// box.
void printText(Channel channel, const QString& text);

} // namespace app

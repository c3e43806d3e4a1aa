#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace app {

// What the program's arguments ask for, read before there is any window or
// display. Qt's own options (-platform, -style ...) are passed on to the
// application object; after "--" every argument is a file.
struct CommandLine {
    enum class Action { Run, Help, Version, Unknown };

    Action action = Action::Run;
    QString unknownOption; // with Action::Unknown
    QString readingFile; // the first file, if any
    QStringList otherFiles; // files after the first, left alone
    QStringList qtArguments; // the program's name first, then Qt's own options
};

// Reads the arguments (the program's name first).
CommandLine parseCommandLine(const QStringList& arguments);

// The arguments as the system passed them: on Linux argv decoded so that a
// file name that is not UTF-8 gives its bytes back; on Windows the command
// line in UTF-16, since argv holds only what the ANSI code page can
// (CommandLineArguments_unix.cpp, CommandLineArguments_win.cpp).
QStringList argumentsOf(int argc, char** argv);

// The answer to a command line that asks for no window, in the language the
// program speaks (its translators installed, no display needed): --help and
// --version print to stdout, an unknown option prints the usage to stderr.
// Returns the exit code.
int answerCommandLine(const CommandLine& line);

// Watches the application object being made. Until its end, a fatal message
// from Qt (no platform plugin could be started: no display) ends the program
// with one line on stderr and exit code 1 instead of an abort. Other messages
// are held back and passed on at its end, so a failed start prints nothing
// but that line. Either way the files of the line after the first are said
// to be left alone first, in the language of the user's settings.
class DisplayGuard {
public:
    explicit DisplayGuard(const CommandLine& line);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};

} // namespace app

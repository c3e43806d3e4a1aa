#pragma once

#include <QLatin1String>
#include <QString>

// What the two systems' files access share (FileAccess.cpp).
namespace sys {

// A save writes the whole file under a hidden name of the program's own and
// only then gives it the chosen name, so a file left by a save cut short (a
// crash, a power cut) is plainly ours; the next save into the folder removes it.
QLatin1String unfinishedSavePrefix();

// Whether a file's name is one a save of the program gives its unfinished
// file: the prefix and then exactly count letters and digits, as the system's
// file of the save makes them. A file of the user's that only looks alike is
// left alone.
bool isUnfinishedSaveName(const QString& name, qsizetype count);

// Why a file could not be read or written, as the two systems tell it.
enum class FileProblem {
    NoSpace, // the disk is full, or the file would be larger than allowed
    PermissionDenied,
    ReadOnlyFile,
    ReadOnlyDisk,
    Missing, // the file or a folder on its path does not exist
    NameTooLong,
    InUse, // another program holds the file
    FolderInTheWay, // a folder stands at the file's path
    NotAFile, // a named pipe, a device or another special file stands there
    DeviceName, // on Windows, a name the system keeps for a device (CON, NUL ...)
    PathTooLong, // on Windows, past the 260 characters programs can open
    Other, // none of the above: the system's own words tell it
};

// The problem in the program's own words, in the reader's language; for
// FileProblem::Other the system's words, as they are.
QString describeProblem(FileProblem problem, const QString& systemWords = QString());

} // namespace sys

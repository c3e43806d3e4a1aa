#pragma once

#include <QByteArray>
#include <QString>

class QUrl;

// Files on disk as the program reads and replaces them: nothing but a regular
// file is ever read or replaced, a named pipe or a device in a file's place is
// never waited on, and a file is replaced whole or not at all. What both
// systems share is in FileAccess.cpp, the rest in FileAccess_unix.cpp and
// FileAccess_win.cpp.
namespace sys {

// What stands at a path once every link on the way is followed.
enum class FileKind {
    Missing, // nothing, or a link that leads nowhere
    Regular,
    Folder,
    Other, // a named pipe, a device, a socket
};

struct FileFacts {
    FileKind kind = FileKind::Missing;
    qint64 size = 0; // of a regular file
};

// Looks at path without opening it, so nothing can make it wait.
FileFacts factsOf(const QString& path);

// Whether anything at all stands at path itself, a link that leads nowhere
// included.
bool somethingStandsAt(const QString& path);

// Why the file at path may not be replaced, once every link is followed (a
// folder, a pipe, a device stands there), or an empty text; looked at
// without opening it.
QString whyNotReplaceable(const QString& path);

struct FileContents {
    enum class Status {
        Read, // bytes holds the whole file
        Missing,
        NotRegular, // a folder, a pipe, a device: not read at all
        TooLarge, // more than the limit, whatever the file system says of its size
        Unreadable,
    };
    Status status = Status::Missing;
    QByteArray bytes;
};

// The whole file at path, read only when what was opened is a regular file of
// at most limit bytes. The file is opened without waiting and what was opened
// is checked, not the path beforehand, since the path may change in between.
FileContents readRegularFile(const QString& path, qint64 limit);

// Who may read a file that a write makes anew; a file that is replaced keeps
// its own permissions.
enum class NewFileAccess { AsUsual, OwnerOnly };

// Replaces the file at path with bytes, whole or not at all, and durably: the
// new file is on the disk before it takes the name. Links are followed to the
// end, as QSaveFile follows them: the file the last one names is replaced and
// the links stay. Only a regular file, or none, is replaced. Returns why it
// failed, in the program's own words and the reader's language, or an empty
// text.
QString writeWholeFile(const QString& path, const QByteArray& bytes, NewFileAccess access = NewFileAccess::AsUsual);

// How long a file name is as the file system counts: its bytes on Linux, its
// UTF-16 units on Windows.
qsizetype fileNameSize(const QString& fileName);

// Why a file name is longer than the file system takes (255 of its units), or
// an empty text.
QString whyFileNameTooLong(const QString& fileName);

// A path as the file system holds it, as text that gives the same bytes back
// through nativePath(): on Linux a byte that is not part of UTF-8 becomes one
// of U+DC80..U+DCFF (QFile::decodeName would turn it into U+FFFD for good), so
// a file whose name is not UTF-8 opens too.
QString pathFromNative(const QByteArray& bytes);
QByteArray nativePath(const QString& path);

// The path of a local file's address, its bytes kept as pathFromNative keeps
// them, and the address of a local path, its bytes percent-encoded as they
// stand.
QString pathFromUrl(const QUrl& url);
QByteArray encodedUrlOf(const QString& path);

} // namespace sys

#pragma once

// What the tests do that only Unix offers: file owners, permission bits, named
// pipes and a file size limit. Where the platform has no such thing, each
// function returns false and the test skips the case.

#include <QString>

// Whether the tests run on Unix, where besides the above a file name is any
// bytes, a program may find no display, and the print dialog is Qt's own.
bool isUnix();

// Sets the permission bits of path (chmod).
bool setMode(const QString& path, unsigned mode);

// Whether the test runs as the superuser, who alone can give a file away.
bool isSuperuser();

// Gives path to the user and group "nobody" (65534).
bool giveToNobody(const QString& path);

// Sends the signal to the process; false where there are no signals.
bool sendSignal(qint64 pid, int signal);

// Makes a named pipe at path that nobody writes to.
bool makeNamedPipe(const QString& path);

// Makes a device node at path like /dev/null (only the superuser can), and
// tells whether path still is one.
bool makeNullDevice(const QString& path);
bool isNullDevice(const QString& path);

// While one lives, a write that would make a file of this process longer than
// the limit fails, as on a full disk, instead of ending the process.
class FileSizeLimit {
public:
    FileSizeLimit();
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // From now on, files grow to bytes at most.
    bool limitTo(qint64 bytes);
    // As before, with the signal still ignored.
    void lift();
};

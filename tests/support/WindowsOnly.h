#pragma once

// What the tests do that only Windows offers: the read-only attribute, and a
// file that another program holds open without sharing it. Where the platform
// has no such thing, each returns false and the test skips the case.

#include <QString>
#include <QtGlobal>

// Sets the file's read-only attribute.
bool setReadOnlyAttribute(const QString& path);

// Holds the file open, as another program does that lets nobody else write,
// rename or delete it, until the object dies.
class FileHeldOpen {
public:
    explicit FileHeldOpen(const QString& path);
    ~FileHeldOpen();
    FileHeldOpen(const FileHeldOpen&) = delete;
    FileHeldOpen& operator=(const FileHeldOpen&) = delete;

    bool isHeld() const;

private:
    qintptr m_handle = -1;
};

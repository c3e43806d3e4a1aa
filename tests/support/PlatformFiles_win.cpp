#include "PlatformFiles.h"

// Windows files have access lists rather than owners and modes, no named pipe
// lives in a folder, and a process cannot limit the size of its files.

bool hasUnixFiles()
{
    return false;
}

bool setMode(const QString& /*path*/, unsigned /*mode*/)
{
    return false;
}

bool isSuperuser()
{
    return false;
}

bool giveToNobody(const QString& /*path*/)
{
    return false;
}

bool makeNamedPipe(const QString& /*path*/)
{
    return false;
}

FileSizeLimit::FileSizeLimit() = default;

FileSizeLimit::~FileSizeLimit() = default;

bool FileSizeLimit::limitTo(qint64 /*bytes*/)
{
    return false;
}

void FileSizeLimit::lift() { }

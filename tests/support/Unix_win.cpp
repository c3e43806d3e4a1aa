#include "Unix.h"

// Windows files have access lists rather than owners and modes, names of
// UTF-16 text, no named pipe lives in a folder, a process cannot limit the
// size of its files, there is always a display, and the print dialog is the
// system's own.

bool isUnix()
{
    return false;
}

bool makeNullDevice(const QString& /*path*/)
{
    return false;
}

bool isNullDevice(const QString& /*path*/)
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

bool sendSignal(qint64 /*pid*/, int /*signal*/)
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

#include "WindowsOnly.h"

// Unix has permission bits rather than a read-only attribute, and any
// program may replace a file that another holds open.

bool setReadOnlyAttribute(const QString& /*path*/)
{
    return false;
}

FileHeldOpen::FileHeldOpen(const QString& /*path*/) { }

FileHeldOpen::~FileHeldOpen() = default;

bool FileHeldOpen::isHeld() const
{
    return false;
}

#include "ui/platform/DesktopRecentFiles.h"

#include <QDir>

#include <shlobj.h>

#include <string>

namespace ui {

// The shell's recent items, which the taskbar's jump list shows too.
void recordInDesktopRecentFiles(const QString& path)
{
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    SHAddToRecentDocs(SHARD_PATHW, native.c_str());
}

} // namespace ui

#include "system/DesktopRecentFiles.h"

#include <QDir>

#include <objbase.h>
#include <shlobj.h>

#include <string>

namespace sys {

// The shell's recent items, which the taskbar's jump list shows too. The
// shell makes a shortcut in the Recent folder, for which it needs COM on this
// thread; where COM is already up in another mode, it is used as it is.
void recordInDesktopRecentFiles(const QString& path)
{
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    const std::wstring native = QDir::toNativeSeparators(path).toStdWString();
    SHAddToRecentDocs(SHARD_PATHW, native.c_str());
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
}

QString desktopRecentFilesPath()
{
    PWSTR folder = nullptr;
    if (FAILED(SHGetKnownFolderPath(FOLDERID_Recent, KF_FLAG_DEFAULT, nullptr, &folder))) {
        return {};
    }
    const QString path = QDir::fromNativeSeparators(QString::fromWCharArray(folder));
    CoTaskMemFree(folder);
    return path;
}

} // namespace sys

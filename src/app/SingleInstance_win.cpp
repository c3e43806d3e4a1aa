#include "app/SingleInstance.h"

#include <QCryptographicHash>

#include <windows.h>

#include <string>

namespace app {
namespace {

// A mutex in the session's namespace ("Local\"), named after the folders a
// copy would lock on Linux: the user's own, so one per user and session, and
// one of their own for copies told to lock other folders.
std::wstring mutexName(const QStringList& folders)
{
    const QByteArray hash
        = QCryptographicHash::hash(folders.join(QLatin1Char('\n')).toUtf8(), QCryptographicHash::Sha256).toHex();
    return (QStringLiteral("Local\\vq-rudraksha-numerology-") + QString::fromLatin1(hash.left(32))).toStdWString();
}

} // namespace

SingleInstance::~SingleInstance()
{
    for (const qintptr handle : m_handles) {
        CloseHandle(reinterpret_cast<HANDLE>(handle));
    }
}

SingleInstance::Result SingleInstance::tryAcquire()
{
    if (!m_handles.empty()) {
        return Result::Acquired;
    }
    // Creating the mutex is the test: the kernel gives exactly one copy a new
    // one, and lets go of it when the last handle closes, however a copy ends.
    HANDLE mutex = CreateMutexW(nullptr, FALSE, mutexName(m_folders).c_str());
    const DWORD error = GetLastError();
    if (mutex == nullptr) {
        // Another user's mutex of that name in this session, or no room for one.
        return Result::NoLock;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return Result::Refused;
    }
    m_handles.push_back(reinterpret_cast<qintptr>(mutex));
    m_lockFolders = m_folders;
    return Result::Acquired;
}

} // namespace app

#include "WindowsOnly.h"

#include <QDir>

#include <windows.h>

bool setReadOnlyAttribute(const QString& path)
{
    return SetFileAttributesW(QDir::toNativeSeparators(path).toStdWString().c_str(), FILE_ATTRIBUTE_READONLY) != 0;
}

FileHeldOpen::FileHeldOpen(const QString& path)
{
    const HANDLE handle = CreateFileW(QDir::toNativeSeparators(path).toStdWString().c_str(), GENERIC_READ, 0, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    m_handle = handle == INVALID_HANDLE_VALUE ? -1 : reinterpret_cast<qintptr>(handle);
}

FileHeldOpen::~FileHeldOpen()
{
    if (isHeld()) {
        CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    }
}

bool FileHeldOpen::isHeld() const
{
    return m_handle != -1;
}

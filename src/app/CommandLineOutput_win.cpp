#include "app/CommandLineOutput.h"

#include "system/ProgramNames.h"

#include <QByteArray>
#include <QCoreApplication>

#include <windows.h>

namespace app {
namespace {

bool isUsable(HANDLE handle)
{
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}

// A console takes the text as UTF-16; a file or a pipe gets UTF-8.
bool writeTo(HANDLE handle, const QString& text)
{
    DWORD mode = 0;
    DWORD written = 0;
    if (GetConsoleMode(handle, &mode) != 0) {
        const std::wstring wide = QString(text).replace(QLatin1Char('\n'), QLatin1String("\r\n")).toStdWString();
        return WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr) != 0;
    }
    const QByteArray bytes = text.toUtf8();
    return WriteFile(handle, bytes.constData(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0;
}

// The console of the shell that started the program, opened once.
HANDLE parentConsole()
{
    static const HANDLE console = [] {
        if (AttachConsole(ATTACH_PARENT_PROCESS) == 0) {
            return INVALID_HANDLE_VALUE;
        }
        return CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
            OPEN_EXISTING, 0, nullptr);
    }();
    return console;
}

} // namespace

void printText(Channel channel, const QString& text)
{
    const HANDLE handle = GetStdHandle(channel == Channel::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (isUsable(handle) && writeTo(handle, text)) {
        return;
    }
    const HANDLE console = parentConsole();
    if (isUsable(console) && writeTo(console, text)) {
        return;
    }
    const std::wstring wide = text.trimmed().toStdWString();
    const std::wstring caption = sys::ApplicationTitle().toStdWString();
    MessageBoxW(nullptr, wide.c_str(), caption.c_str(),
        MB_OK | (channel == Channel::Output ? MB_ICONINFORMATION : MB_ICONERROR));
}

} // namespace app

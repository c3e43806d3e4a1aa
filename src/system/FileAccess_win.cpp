#include "system/FileAccess.h"
#include "system/FileAccess_p.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QUrl>

#include <windows.h>

#include <algorithm>
#include <string>

namespace sys {
namespace {

// Longer paths most Windows programs cannot open, Explorer among them.
constexpr qsizetype kLongestPath = MAX_PATH - 1;

std::wstring native(const QString& path)
{
    return QDir::toNativeSeparators(path).toStdWString();
}

// Why a call failed with error, in the program's own words; Windows' own for
// the rarer errors.
QString reasonOf(DWORD error)
{
    switch (error) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
    case ERROR_FILE_TOO_LARGE:
        return describeProblem(FileProblem::NoSpace);
    case ERROR_ACCESS_DENIED:
        return describeProblem(FileProblem::PermissionDenied);
    case ERROR_WRITE_PROTECT:
        return describeProblem(FileProblem::ReadOnlyDisk);
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY:
        return describeProblem(FileProblem::Missing);
    case ERROR_FILENAME_EXCED_RANGE:
        return describeProblem(FileProblem::NameTooLong);
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return describeProblem(FileProblem::InUse);
    default:
        return describeProblem(FileProblem::Other, qt_error_string(static_cast<int>(error)));
    }
}

class Handle {
public:
    explicit Handle(HANDLE handle)
        : m_handle(handle)
    { }
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return m_handle; }
    bool isValid() const { return m_handle != INVALID_HANDLE_VALUE; }
    void close()
    {
        if (isValid()) {
            CloseHandle(m_handle);
            m_handle = INVALID_HANDLE_VALUE;
        }
    }

private:
    HANDLE m_handle;
};

// The names Windows keeps for devices (CON, NUL, COM1 ...): "CON.rkn" names
// the console, not a file.
bool isDeviceName(const QString& fileName)
{
    const QString base = fileName.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    static const QStringList kDevices = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
        QStringLiteral("NUL"), QStringLiteral("CONIN$"), QStringLiteral("CONOUT$")};
    if (kDevices.contains(base)) {
        return true;
    }
    return base.size() == 4 && (base.startsWith(QLatin1String("COM")) || base.startsWith(QLatin1String("LPT")))
        && QStringLiteral("123456789\u00B9\u00B2\u00B3").contains(base.at(3));
}

// The file a chain of links leads to; the path itself when it is no link.
QString finalPath(QString path)
{
    for (int links = 0; links < 40 && QFileInfo(path).isSymLink(); ++links) {
        path = QFileInfo(path).symLinkTarget();
    }
    return path;
}

// The thirteen letters and digits after an unfinished save's prefix.
constexpr qsizetype kUnfinishedSaveLetters = 13;

void removeUnfinishedSaves(const QDir& folder)
{
    const QFileInfoList leftovers = folder.entryInfoList({QString(unfinishedSavePrefix()) + QLatin1Char('*')},
        QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& leftover : leftovers) {
        if (!isUnfinishedSaveName(leftover.fileName(), kUnfinishedSaveLetters)) {
            continue;
        }
        SetFileAttributesW(native(leftover.filePath()).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(native(leftover.filePath()).c_str());
    }
}

bool writeAll(HANDLE file, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        DWORD now = 0;
        const auto chunk = static_cast<DWORD>(std::min<qsizetype>(bytes.size() - written, 1 << 20));
        if (!WriteFile(file, bytes.constData() + written, chunk, &now, nullptr) || now == 0) {
            return false;
        }
        written += now;
    }
    return true;
}

// Why the file at target may not be replaced, or an empty text.
QString whyNotReplaced(const QString& target)
{
    if (target.size() > kLongestPath) {
        return describeProblem(FileProblem::PathTooLong);
    }
    if (isDeviceName(QFileInfo(target).fileName())) {
        return describeProblem(FileProblem::DeviceName);
    }
    const DWORD attributes = GetFileAttributesW(native(target).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return {};
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return describeProblem(FileProblem::FolderInTheWay);
    }
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return describeProblem(FileProblem::ReadOnlyFile);
    }
    return {};
}

} // namespace

FileFacts factsOf(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        return {};
    }
    const FileKind kind = info.isFile() ? FileKind::Regular : info.isDir() ? FileKind::Folder : FileKind::Other;
    return {kind, info.size()};
}

bool somethingStandsAt(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

FileContents readRegularFile(const QString& path, qint64 limit)
{
    using Status = FileContents::Status;
    const FileFacts facts = factsOf(path);
    if (facts.kind != FileKind::Regular || isDeviceName(QFileInfo(path).fileName())) {
        return {facts.kind == FileKind::Missing ? Status::Missing : Status::NotRegular, {}};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {Status::Unreadable, {}};
    }
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFileDevice::NoError) {
        return {Status::Unreadable, {}};
    }
    if (bytes.size() > limit) {
        return {Status::TooLarge, {}};
    }
    return {Status::Read, bytes};
}

QString writeWholeFile(const QString& path, const QByteArray& bytes, NewFileAccess /*access*/)
{
    // A new file takes the folder's permissions, which are the user's own in
    // the user's folders: there is nothing to narrow.
    const QString target = finalPath(QFileInfo(path).absoluteFilePath());
    if (const QString why = whyNotReplaced(target); !why.isEmpty()) {
        return why;
    }
    const QDir folder = QFileInfo(target).absoluteDir();
    removeUnfinishedSaves(folder);

    const QString temporary = folder.filePath(QString(unfinishedSavePrefix())
        + QString::number(QRandomGenerator::global()->generate64(), 36).rightJustified(kUnfinishedSaveLetters, u'0'));
    Handle file(
        CreateFileW(native(temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr));
    if (!file.isValid()) {
        return reasonOf(GetLastError());
    }
    const auto giveUp = [&file, &temporary](DWORD error) {
        file.close();
        SetFileAttributesW(native(temporary).c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(native(temporary).c_str());
        return reasonOf(error);
    };
    // Written and on the disk before it takes the name, so that a power cut
    // leaves either the old file or the whole new one.
    if (!writeAll(file.get(), bytes) || !FlushFileBuffers(file.get())) {
        return giveUp(GetLastError());
    }
    file.close();
    const std::wstring from = native(temporary);
    const std::wstring to = native(target);
    // Seen as soon as it has the name.
    SetFileAttributesW(from.c_str(), FILE_ATTRIBUTE_NORMAL);
    // MoveFileExW rather than ReplaceFileW: where it cannot replace the file
    // (another program holds it open) it changes nothing, while ReplaceFileW
    // can leave a file of its own in the folder.
    if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return giveUp(GetLastError());
    }
    return {};
}

qsizetype fileNameSize(const QString& fileName)
{
    return fileName.size();
}

QString whyFileNameTooLong(const QString& fileName)
{
    constexpr qsizetype kLongest = 255;
    const qsizetype size = fileNameSize(fileName);
    if (size <= kLongest) {
        return {};
    }
    return QCoreApplication::translate(
        "sys::FileAccess", "A file name may be at most %1 characters long; this one has %2.")
        .arg(kLongest)
        .arg(size);
}

QString pathFromNative(const QByteArray& bytes)
{
    return QFile::decodeName(bytes);
}

QByteArray nativePath(const QString& path)
{
    return QFile::encodeName(path);
}

QString pathFromUrl(const QUrl& url)
{
    return url.toLocalFile();
}

QByteArray encodedUrlOf(const QString& path)
{
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()).toEncoded();
}

} // namespace sys

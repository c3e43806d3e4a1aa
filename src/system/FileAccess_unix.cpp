#include "system/FileAccess.h"

#include "core/storage/TextCodec.h"
#include "system/FileAccess_p.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace sys {
namespace {

// As many links in a row as the kernel follows before it gives up.
constexpr int kMostLinks = 40;

QByteArray unfinishedSave()
{
    const QLatin1String prefix = unfinishedSavePrefix();
    return {prefix.data(), prefix.size()};
}

class Descriptor {
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    { }
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash <= 0 ? QByteArray("/") : path.left(slash);
}

// The path that path leads to once every link is followed, the last link's
// target kept even where nothing stands there yet; nothing for a loop of links.
std::optional<QByteArray> finalPath(QByteArray path)
{
    for (int links = 0; links <= kMostLinks; ++links) {
        struct stat info { };
        if (::lstat(path.constData(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        QByteArray target(PATH_MAX, '\0');
        const ssize_t length = ::readlink(path.constData(), target.data(), static_cast<size_t>(target.size()));
        if (length <= 0 || length >= target.size()) {
            return std::nullopt;
        }
        target.truncate(length);
        path = target.startsWith('/') ? target : folderOf(path) + '/' + target;
    }
    errno = ELOOP;
    return std::nullopt;
}

void removeUnfinishedSaves(const QByteArray& folder)
{
    DIR* entries = ::opendir(folder.constData());
    if (entries == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(entries)) {
        // mkostemp's six letters and digits after the prefix.
        if (!isUnfinishedSaveName(pathFromNative(entry->d_name), 6)) {
            continue;
        }
        const QByteArray leftover = folder + '/' + entry->d_name;
        struct stat info { };
        if (::lstat(leftover.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) {
            ::unlink(leftover.constData());
        }
    }
    ::closedir(entries);
}

// The permissions of the file that is replaced, or those a new file gets.
mode_t permissionsFor(const struct stat* existing, NewFileAccess access)
{
    if (existing != nullptr) {
        return existing->st_mode & 07777;
    }
    if (access == NewFileAccess::OwnerOnly) {
        return S_IRUSR | S_IWUSR;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t now = ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
        if (now < 0 && errno == EINTR) {
            continue;
        }
        if (now <= 0) {
            if (now == 0) {
                errno = ENOSPC;
            }
            return false;
        }
        written += now;
    }
    return true;
}

// Why a call failed with error, in the program's own words: the C library's
// own come in English only on most systems.
QString reasonOf(int error)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return describeProblem(FileProblem::NoSpace);
    case EACCES:
    case EPERM:
        return describeProblem(FileProblem::PermissionDenied);
    case EROFS:
        return describeProblem(FileProblem::ReadOnlyDisk);
    case ENOENT:
    case ENOTDIR:
        return describeProblem(FileProblem::Missing);
    case ENAMETOOLONG:
        return describeProblem(FileProblem::NameTooLong);
    case ETXTBSY:
    case EBUSY:
        return describeProblem(FileProblem::InUse);
    case EISDIR:
        return describeProblem(FileProblem::FolderInTheWay);
    default:
        return describeProblem(FileProblem::Other, qt_error_string(error));
    }
}

} // namespace

FileFacts factsOf(const QString& path)
{
    struct stat info { };
    if (::stat(nativePath(path).constData(), &info) != 0) {
        return {};
    }
    const FileKind kind = S_ISREG(info.st_mode) ? FileKind::Regular
        : S_ISDIR(info.st_mode)                 ? FileKind::Folder
                                                : FileKind::Other;
    return {kind, static_cast<qint64>(info.st_size)};
}

bool somethingStandsAt(const QString& path)
{
    struct stat info { };
    return ::lstat(nativePath(path).constData(), &info) == 0;
}

FileContents readRegularFile(const QString& path, qint64 limit)
{
    using Status = FileContents::Status;
    const Descriptor file(::open(nativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) {
        return {errno == ENOENT || errno == ENOTDIR ? Status::Missing : Status::Unreadable, {}};
    }
    struct stat info { };
    if (::fstat(file.get(), &info) != 0) {
        return {Status::Unreadable, {}};
    }
    if (!S_ISREG(info.st_mode)) {
        return {Status::NotRegular, {}};
    }
    // The size the file system gives is only a hint: the bytes are counted.
    QByteArray bytes(std::min(static_cast<qint64>(info.st_size), limit) + 1, Qt::Uninitialized);
    qsizetype total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (total > limit) {
                return {Status::TooLarge, {}};
            }
            bytes.resize(std::min(total * 2, limit + 1));
        }
        const ssize_t now = ::read(file.get(), bytes.data() + total, static_cast<size_t>(bytes.size() - total));
        if (now < 0 && errno == EINTR) {
            continue;
        }
        if (now < 0) {
            return {Status::Unreadable, {}};
        }
        if (now == 0) {
            break;
        }
        total += now;
    }
    bytes.truncate(total);
    return {Status::Read, bytes};
}

QString writeWholeFile(const QString& path, const QByteArray& bytes, NewFileAccess access)
{
    const std::optional<QByteArray> target = finalPath(nativePath(QFileInfo(path).absoluteFilePath()));
    if (!target) {
        return reasonOf(errno);
    }
    struct stat existing { };
    const bool exists = ::stat(target->constData(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        return describeProblem(FileProblem::FolderInTheWay);
    }
    if (exists && !S_ISREG(existing.st_mode)) {
        return describeProblem(FileProblem::NotAFile);
    }
    if (exists && ::access(target->constData(), W_OK) != 0) {
        return errno == EACCES ? describeProblem(FileProblem::ReadOnlyFile) : reasonOf(errno);
    }
    const QByteArray folder = folderOf(*target);
    removeUnfinishedSaves(folder);

    QByteArray temporary = folder + '/' + unfinishedSave() + "XXXXXX";
    const Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0) {
        return reasonOf(errno);
    }
    // Written, its permissions set and on the disk before it takes the name,
    // so that a power cut leaves either the old file or the whole new one.
    if (!writeAll(file.get(), bytes) || ::fchmod(file.get(), permissionsFor(exists ? &existing : nullptr, access)) != 0
        || ::fsync(file.get()) != 0 || ::rename(temporary.constData(), target->constData()) != 0) {
        QString reason = reasonOf(errno);
        ::unlink(temporary.constData());
        return reason;
    }
    // The new name itself is on the disk once the folder is.
    const Descriptor folderHandle(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderHandle.get() >= 0) {
        ::fsync(folderHandle.get());
    }
    return {};
}

qsizetype fileNameSize(const QString& fileName)
{
    return nativePath(fileName).size();
}

QString whyFileNameTooLong(const QString& fileName)
{
    constexpr qsizetype kLongest = 255;
    const qsizetype size = fileNameSize(fileName);
    if (size <= kLongest) {
        return {};
    }
    return QCoreApplication::translate("sys::FileAccess", "A file name may be at most %1 bytes long; this one has %2.")
        .arg(kLongest)
        .arg(size);
}

QString pathFromNative(const QByteArray& bytes)
{
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    QString path;
    std::size_t plain = 0; // where the run of valid UTF-8 began
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = core::utf8CharacterAt(text, at).length;
        if (length > 0) {
            at += length;
            continue;
        }
        path += QString::fromUtf8(text.substr(plain, at - plain));
        path += QChar(char16_t(0xDC00 + static_cast<unsigned char>(text[at])));
        plain = ++at;
    }
    return path + QString::fromUtf8(text.substr(plain));
}

QByteArray nativePath(const QString& path)
{
    QByteArray bytes;
    qsizetype plain = 0;
    for (qsizetype at = 0; at < path.size(); ++at) {
        const char16_t c = path.at(at).unicode();
        if (c >= 0xDC80 && c <= 0xDCFF && (at == 0 || !path.at(at - 1).isHighSurrogate())) {
            bytes += QFile::encodeName(path.mid(plain, at - plain));
            bytes += static_cast<char>(c - 0xDC00);
            plain = at + 1;
        }
    }
    return bytes + QFile::encodeName(path.mid(plain));
}

QString pathFromUrl(const QUrl& url)
{
    return pathFromNative(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

QByteArray encodedUrlOf(const QString& path)
{
    return "file://" + nativePath(QFileInfo(path).absoluteFilePath()).toPercentEncoding("/!$&'()*+,;=:@");
}

} // namespace sys

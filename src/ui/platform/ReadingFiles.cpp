#include "ui/platform/ReadingFiles.h"

#include "ui/platform/DialogFolder.h"

#include "core/storage/ReadingFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QTextBoundaryFinder>
#include <QUrl>

#include <memory>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace ui {
namespace {

QString readingFilter()
{
    return QCoreApplication::translate("ui::ReadingFiles", "VQ Rudraksh Numerology (*.rkn)");
}

// A saved reading holds at most some 33 KB; anything past this is not one.
constexpr qint64 kLargestReadingFile = qint64{1024} * 1024;

// Opens path for reading only when it is a regular file. A named pipe or a
// device would keep open() or read() waiting for good, so the file is opened
// without waiting and what was opened is checked, not the path beforehand:
// the path may change in between.
bool openRegularFile(QFile& file, const QString& path)
{
#ifdef Q_OS_UNIX
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info { };
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
        || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
#else
    file.setFileName(path);
    return QFileInfo(path).isFile() && file.open(QIODevice::ReadOnly);
#endif
}

// The file dialog's icons and type names, looked up once for each kind of
// entry. The dialog asks for them from a thread of its own for every entry it
// lists, and the default provider asks the MIME database each time: closing
// the dialog then waits for that thread, and Open is slow to show the reading.
class CachingIconProvider final : public QFileIconProvider {
public:
    QIcon icon(const QFileInfo& info) const override { return entry(info).icon; }
    QString type(const QFileInfo& info) const override { return entry(info).type; }
    using QFileIconProvider::icon;

private:
    struct Entry {
        QIcon icon;
        QString type;
    };

    // Drives, folders, and files by their suffix in lower case.
    const Entry& entry(const QFileInfo& info) const
    {
        const QString key = info.isRoot() ? QStringLiteral("//") + info.absoluteFilePath()
            : info.isDir()                ? QStringLiteral("/")
                                          : info.suffix().toLower();
        const QMutexLocker lock(&m_mutex);
        auto found = m_entries.constFind(key);
        if (found == m_entries.constEnd()) {
            found = m_entries.insert(key, {QFileIconProvider::icon(info), QFileIconProvider::type(info)});
        }
        return *found;
    }

    mutable QMutex m_mutex;
    mutable QHash<QString, Entry> m_entries;
};

// Gives the dialog the icon provider that every file dialog of the program
// shares; never destroyed, since a dialog's reader may ask it to the very end.
void useCachingIcons(QFileDialog& dialog)
{
    static auto* const icons = new CachingIconProvider;
    dialog.setIconProvider(icons);
}

QString chosenPath(QFileDialog& dialog)
{
    useCachingIcons(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

// The Open dialog. A bare name opens NAME.rkn, or where there is no such file,
// the file of that very name (a reading saved as "readingrkn").
class OpenDialog final : public QFileDialog {
public:
    OpenDialog(QWidget* parent, const QString& caption)
        : QFileDialog(parent, caption, firstDialogFolder())
    {
        setDefaultSuffix(kSuffix);
    }

protected:
    void accept() override
    {
        const QString withSuffix = selectedFiles().value(0);
        if (withSuffix.isEmpty() || QFileInfo::exists(withSuffix)) {
            QFileDialog::accept();
            return;
        }
        setDefaultSuffix({});
        QFileDialog::accept();
        // Kept off once accepted, since the chosen file is read from the dialog
        // afterwards.
        if (isVisible()) {
            setDefaultSuffix(kSuffix);
        }
    }

private:
    static inline const QString kSuffix = QStringLiteral("rkn");
};

// A Save dialog for one kind of file, offering suggestedName if there is one:
// a bare name gets the suffix, and replacing a file is confirmed first.
QString chosenPathToSave(QFileDialog& dialog, const QString& objectName, const QString& filter, const QString& suffix,
    const QString& suggestedName = {})
{
    dialog.setObjectName(objectName);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(suffix);
    if (!suggestedName.isEmpty()) {
        dialog.selectFile(suggestedName);
    }
    return chosenPath(dialog);
}

// The name as a file name with its suffix: no folder separators, no
// characters Windows refuses, no control characters, not hidden (no dot or
// space in front), and at most 240 bytes in the file system's encoding, so it
// fits on any disk; a long name is cut between two letters.
QString fileNameOf(const QString& name, const QString& suffix)
{
    constexpr qsizetype kLongest = 240;
    QString safe;
    for (const QChar c : name) {
        const bool refused = c.category() == QChar::Other_Control || QStringLiteral("/\\:*?\"<>|").contains(c);
        safe += refused ? QLatin1Char(' ') : c;
    }
    safe = safe.simplified();
    qsizetype first = 0;
    while (first < safe.size() && (safe.at(first) == QLatin1Char('.') || safe.at(first).isSpace())) {
        ++first;
    }
    safe.remove(0, first);

    const qsizetype room = kLongest - QFile::encodeName(suffix).size();
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, safe);
    qsizetype bytes = 0;
    qsizetype end = 0;
    for (qsizetype next = letters.toNextBoundary(); next > 0; next = letters.toNextBoundary()) {
        bytes += QFile::encodeName(safe.mid(end, next - end)).size();
        if (bytes > room) {
            break;
        }
        end = next;
    }
    safe = safe.left(end).trimmed();
    return (safe.isEmpty() ? QStringLiteral("reading") : safe) + suffix;
}

} // namespace

QString chooseReadingToOpen(QWidget* parent)
{
    const QString name = QStringLiteral("openDialog");
    // The dialog of an earlier Open of this window, kept (see below).
    if (parent != nullptr) {
        delete parent->findChild<QFileDialog*>(name, Qt::FindDirectChildrenOnly);
    }
    auto dialog = std::make_unique<OpenDialog>(
        parent, QCoreApplication::translate("ui::ReadingFiles", "Select the source file"));
    dialog->setObjectName(name);
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilter(readingFilter());
    useCachingIcons(*dialog);
    QString path;
    if (dialog->exec() == QDialog::Accepted) {
        // Taken from the address, which keeps the bytes of a name that is not
        // UTF-8 (as a desktop's own dialog hands it over); the text has lost them.
        const QUrl chosen = dialog->selectedUrls().value(0);
        path = chosen.isLocalFile() ? pathFromUrl(chosen) : dialog->selectedFiles().value(0);
    }
    if (!path.isEmpty() && parent != nullptr) {
        // A closing file dialog writes its history to disk and waits for its
        // folder reader; a chosen reading should not wait for that, so the
        // hidden dialog goes with its window (or with the next Open).
        QFileDialog* kept = dialog.release();
        Q_UNUSED(kept);
    }
    return path;
}

QString chooseReadingToSave(QWidget* parent)
{
    QFileDialog dialog(
        parent, QCoreApplication::translate("ui::ReadingFiles", "VQ Rudraksh Numerology"), firstDialogFolder());
    return chosenPathToSave(dialog, QStringLiteral("saveDialog"), readingFilter(), QStringLiteral("rkn"));
}

QString choosePdfToExport(QWidget* parent, const QString& personName)
{
    QFileDialog dialog(
        parent, QCoreApplication::translate("ui::ReadingFiles", "Export the reading as PDF"), firstDialogFolder());
    return chosenPathToSave(dialog, QStringLiteral("exportDialog"),
        QCoreApplication::translate("ui::ReadingFiles", "PDF documents (*.pdf)"), QStringLiteral("pdf"),
        fileNameOf(personName, QStringLiteral(".pdf")));
}

bool isReadingFileName(const QString& path)
{
    return path.endsWith(QLatin1String("rkn"), Qt::CaseInsensitive);
}

#ifdef Q_OS_UNIX
namespace {

// The length of the UTF-8 sequence that starts with lead, or 0 where no
// sequence can start with it.
qsizetype sequenceLength(unsigned char lead)
{
    if (lead < 0x80) {
        return 1;
    }
    if (lead < 0xC2) {
        return 0;
    }
    if (lead < 0xE0) {
        return 2;
    }
    if (lead < 0xF0) {
        return 3;
    }
    return lead < 0xF5 ? 4 : 0;
}

} // namespace
#endif

QString pathFromNative(const QByteArray& bytes)
{
#ifdef Q_OS_UNIX
    const auto byte = [&bytes](qsizetype at) { return static_cast<unsigned char>(bytes.at(at)); };
    QString path;
    qsizetype plain = 0; // where the run of valid UTF-8 began
    for (qsizetype at = 0; at < bytes.size();) {
        const unsigned char lead = byte(at);
        const qsizetype length = sequenceLength(lead);
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = length > 0 && at + length <= bytes.size();
        for (qsizetype next = 1; valid && next < length; ++next) {
            valid = (byte(at + next) & 0xC0) == 0x80;
            code = (code << 6) | (byte(at + next) & 0x3F);
        }
        // No overlong form, no surrogate, nothing past U+10FFFF.
        const char32_t lowest[] = {0, 0, 0x80, 0x800, 0x10000};
        valid = valid && code >= lowest[length] && (code < 0xD800 || code > 0xDFFF) && code <= 0x10FFFF;
        if (valid) {
            at += length;
            continue;
        }
        path += QString::fromUtf8(bytes.mid(plain, at - plain));
        path += QChar(char16_t(0xDC00 + lead));
        plain = ++at;
    }
    return path + QString::fromUtf8(bytes.mid(plain));
#else
    return QFile::decodeName(bytes);
#endif
}

QByteArray nativePath(const QString& path)
{
#ifdef Q_OS_UNIX
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
#else
    return QFile::encodeName(path);
#endif
}

QString pathFromUrl(const QUrl& url)
{
#ifdef Q_OS_UNIX
    return pathFromNative(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
#else
    return url.toLocalFile();
#endif
}

std::optional<core::Reading> readReadingFile(const QString& path)
{
    if (!isReadingFileName(path)) {
        return std::nullopt;
    }
    QFile file;
    if (!openRegularFile(file, path) || file.size() > kLargestReadingFile) {
        return std::nullopt;
    }
    const QByteArray data = file.read(kLargestReadingFile);
    if (file.error() != QFileDevice::NoError) {
        return std::nullopt;
    }
    return core::readingFromFileBytes(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
}

QString writeReadingFile(const QString& path, const core::Reading& reading)
{
    const std::optional<std::string> bytes = core::readingFileBytes(reading);
    if (!bytes) {
        return QCoreApplication::translate("ui::ReadingFiles", "The name is longer than a reading file can hold.");
    }
    return writeWholeFile(path, QByteArray::fromStdString(*bytes));
}

namespace {

// A write cut short by a full disk leaves Qt without a reason of its own.
QString writeFailure(const QFileDevice& file)
{
    QString reason = file.errorString();
    if (reason.isEmpty() || reason == QLatin1String("Unknown error")) {
        return QCoreApplication::translate(
            "ui::ReadingFiles", "Not all of the reading could be written; the disk may be full.");
    }
    return reason;
}

} // namespace

#ifdef Q_OS_UNIX

namespace {

// A save writes the whole file under a hidden name of the program's own and
// only then gives it the chosen name, so a file left by a save cut short (a
// crash, a power cut) is plainly ours; the next save into the folder removes it.
const QString kUnfinishedSave = QStringLiteral(".vq-rudraksha-numerology-saving-");

void removeUnfinishedSaves(const QDir& folder)
{
    const QFileInfoList leftovers = folder.entryInfoList(
        {kUnfinishedSave + QLatin1Char('*')}, QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& leftover : leftovers) {
        if (leftover.ownerId() == ::geteuid()) {
            QFile::remove(leftover.filePath());
        }
    }
}

// The permissions a new file gets, or those of the file it replaces.
mode_t permissionsFor(const QByteArray& path)
{
    struct stat info { };
    if (::stat(path.constData(), &info) == 0) {
        return info.st_mode & 07777;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

QString writeWholeFile(const QString& path, const QByteArray& bytes)
{
    // A link is followed: the file it names is replaced, as QSaveFile does.
    const QFileInfo chosen(path);
    const QFileInfo target(chosen.isSymLink() ? chosen.symLinkTarget() : chosen.absoluteFilePath());
    if (target.isDir() || (target.exists() && !target.isWritable())) {
        return QCoreApplication::translate("ui::ReadingFiles", "The file may not be changed.");
    }
    const QDir folder = target.absoluteDir();
    removeUnfinishedSaves(folder);

    QTemporaryFile file(folder.filePath(kUnfinishedSave + QStringLiteral("XXXXXX")));
    if (!file.open()) {
        return file.errorString();
    }
    const QByteArray finalPath = QFile::encodeName(target.absoluteFilePath());
    // Written, flushed and on the disk before it takes the name, so that a
    // power cut leaves either the old file or the whole new one.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        return writeFailure(file);
    }
    if (::fchmod(file.handle(), permissionsFor(finalPath)) != 0 || ::fsync(file.handle()) != 0) {
        return qt_error_string(errno);
    }
    if (::rename(QFile::encodeName(file.fileName()).constData(), finalPath.constData()) != 0) {
        return qt_error_string(errno);
    }
    file.setAutoRemove(false);
    // The new name itself is on the disk once the folder is.
    const int folderHandle = ::open(QFile::encodeName(folder.path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderHandle >= 0) {
        ::fsync(folderHandle);
        ::close(folderHandle);
    }
    return {};
}

#else

QString writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return file.errorString();
    }
    // QSaveFile::commit() does not check its last flush: a write cut short must
    // be caught here, and the file given up before the commit.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = writeFailure(file);
        file.cancelWriting();
        file.commit();
        return reason;
    }
    if (!file.commit()) {
        return file.errorString();
    }
    return {};
}

#endif

} // namespace ui

#include "ui/platform/ReadingFiles.h"

#include "core/storage/ReadingFile.h"
#include "ui/platform/DialogFolder.h"
#include "ui/platform/FileAccess.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QMutex>
#include <QTextBoundaryFinder>
#include <QToolTip>
#include <QUrl>

#include <memory>

namespace ui {
namespace {

QString readingFilter()
{
    return QCoreApplication::translate("ui::ReadingFiles", "VQ Rudraksh Numerology (*.rkn)");
}

// A saved reading holds at most some 33 KB; anything past this is not one.
constexpr qint64 kLargestReadingFile = qint64{1024} * 1024;

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

// Tells the user, beside the name box, when the typed name is longer than a
// file name may be: Qt's own dialog greys out Save then without a word.
void hintAtNameLength(QLineEdit* edit, const QString& text)
{
    const QString hint = whyFileNameTooLong(QFileInfo(text).fileName());
    if (edit->toolTip() == hint) {
        return;
    }
    edit->setToolTip(hint);
    edit->setAccessibleDescription(hint);
    if (hint.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), hint, edit);
    }
}

// A Save dialog that says why a name is refused (Qt's own dialog, where the
// desktop's is not used).
class SaveDialog final : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

protected:
    void showEvent(QShowEvent* event) override
    {
        QFileDialog::showEvent(event);
        auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (edit != nullptr && !m_watching) {
            m_watching = true;
            connect(edit, &QLineEdit::textChanged, edit, [edit](const QString& text) { hintAtNameLength(edit, text); });
        }
    }

private:
    bool m_watching = false;
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
// space in front), and at most 240 bytes in the file system's measure, so it
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

    const qsizetype room = kLongest - fileNameSize(suffix);
    QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, safe);
    qsizetype bytes = 0;
    qsizetype end = 0;
    for (qsizetype next = letters.toNextBoundary(); next > 0; next = letters.toNextBoundary()) {
        bytes += fileNameSize(safe.mid(end, next - end));
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
    SaveDialog dialog(
        parent, QCoreApplication::translate("ui::ReadingFiles", "VQ Rudraksh Numerology"), firstDialogFolder());
    return chosenPathToSave(dialog, QStringLiteral("saveDialog"), readingFilter(), QStringLiteral("rkn"));
}

QString choosePdfToExport(QWidget* parent, const QString& personName)
{
    SaveDialog dialog(
        parent, QCoreApplication::translate("ui::ReadingFiles", "Export the reading as PDF"), firstDialogFolder());
    return chosenPathToSave(dialog, QStringLiteral("exportDialog"),
        QCoreApplication::translate("ui::ReadingFiles", "PDF documents (*.pdf)"), QStringLiteral("pdf"),
        suggestedPdfName(personName));
}

QString suggestedPdfName(const QString& personName)
{
    return fileNameOf(personName, QStringLiteral(".pdf"));
}

bool isReadingFileName(const QString& path)
{
    return path.endsWith(QLatin1String("rkn"), Qt::CaseInsensitive);
}

std::optional<core::Reading> readReadingFile(const QString& path)
{
    if (!isReadingFileName(path)) {
        return std::nullopt;
    }
    const FileContents file = readRegularFile(path, kLargestReadingFile);
    if (file.status != FileContents::Status::Read) {
        return std::nullopt;
    }
    return core::readingFromFileBytes(
        std::string_view(file.bytes.constData(), static_cast<std::size_t>(file.bytes.size())));
}

QStringList lettersAReadingFileCannotHold(const QString& name)
{
    QStringList letters;
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, name);
    qsizetype start = 0;
    for (qsizetype end = finder.toNextBoundary(); end > 0; end = finder.toNextBoundary()) {
        const QString letter = name.mid(start, end - start);
        start = end;
        const std::string text = letter.toStdString();
        if (core::textAsSaved(text) != text && !letters.contains(letter)) {
            letters.append(letter);
        }
    }
    return letters;
}

QString writeReadingFile(const QString& path, const core::Reading& reading)
{
    const std::optional<std::string> bytes = core::readingFileBytes(reading);
    if (!bytes) {
        return QCoreApplication::translate("ui::ReadingFiles", "The name is longer than a reading file can hold.");
    }
    return writeWholeFile(path, QByteArray::fromStdString(*bytes));
}

} // namespace ui

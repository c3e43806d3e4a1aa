#include "ui/desktop/FileDialogs.h"

#include "system/FileAccess.h"
#include "system/Folders.h"
#include "system/SavedReadings.h"
#include "system/SettingsStore.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QHash>
#include <QLineEdit>
#include <QMessageBox>
#include <QMutex>
#include <QToolTip>
#include <QUrl>

#include <memory>

namespace ui {
namespace {

QString readingFilter()
{
    return QCoreApplication::translate("ui::FileDialogs", "VQ Rudraksh Numerology (*.rkn)");
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

// Qt's file dialogs read their history from their own settings file as they
// are made, and write it as they are destroyed, waiting for its lock for as
// long as one stands: both are looked at first (SettingsStore.h). A dialog
// class has this as its first base, and calls guardDialogHistory() again in
// its destructor, which runs before QFileDialog's.
struct HistoryGuard {
    HistoryGuard() { sys::guardDialogHistory(); }
};

const QString kReadingSuffix = QStringLiteral("rkn");

// The Open dialog. A bare name opens NAME.rkn, or where there is no such file,
// the file of that very name (a reading saved as "readingrkn").
class OpenDialog final : private HistoryGuard, public QFileDialog {
public:
    OpenDialog(QWidget* parent, const QString& caption)
        : QFileDialog(parent, caption, sys::firstDialogFolder())
    {
        setDefaultSuffix(kSuffix);
    }
    ~OpenDialog() override { sys::guardDialogHistory(); }
    OpenDialog(const OpenDialog&) = delete;
    OpenDialog& operator=(const OpenDialog&) = delete;

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

// The dialog that picks a folder.
class FolderDialog final : private HistoryGuard, public QFileDialog {
public:
    FolderDialog(QWidget* parent, const QString& caption)
        : QFileDialog(parent, caption)
    { }
    ~FolderDialog() override { sys::guardDialogHistory(); }
    FolderDialog(const FolderDialog&) = delete;
    FolderDialog& operator=(const FolderDialog&) = delete;
};

// Tells the user, beside the name box, when the typed name is longer than a
// file name may be: Qt's own dialog greys out Save then without a word.
void hintAtNameLength(QLineEdit* edit, const QString& text)
{
    const QString hint = sys::whyFileNameTooLong(QFileInfo(text).fileName());
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

// The path with ".rkn" added where it does not end so ("notes.txt" becomes
// "notes.txt.rkn"): Open accepts only such names, so every saved reading opens
// again.
QString withReadingSuffix(const QString& path)
{
    return path.endsWith(QLatin1Char('.') + kReadingSuffix, Qt::CaseInsensitive)
        ? path
        : path + QLatin1Char('.') + kReadingSuffix;
}

// A Save dialog that says why a name is refused, and gives a reading's name
// the reading's suffix before the dialog asks about replacing a file (Qt's
// own dialog, where the desktop's is not used; Qt adds the suffix to a bare
// name only).
class SaveDialog final : private HistoryGuard, public QFileDialog {
public:
    SaveDialog(QWidget* parent, const QString& caption, const QString& folder)
        : QFileDialog(parent, caption, folder)
    { }
    ~SaveDialog() override { sys::guardDialogHistory(); }
    SaveDialog(const SaveDialog&) = delete;
    SaveDialog& operator=(const SaveDialog&) = delete;

protected:
    void accept() override
    {
        // The name typed gets the suffix where the file it names lacks it
        // (and is no folder): Qt then asks about replacing the file of that
        // name, and chooses it.
        const QString chosen = selectedFiles().value(0);
        auto* edit = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (defaultSuffix() == kReadingSuffix && edit != nullptr && !chosen.isEmpty() && !QFileInfo(chosen).isDir()
            && withReadingSuffix(chosen) != chosen) {
            edit->setText(withReadingSuffix(edit->text()));
        }
        QFileDialog::accept();
    }

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

} // namespace

QString chooseReadingToOpen(QWidget* parent)
{
    const QString name = QStringLiteral("openDialog");
    // The dialog of an earlier Open of this window, kept (see below).
    if (parent != nullptr) {
        delete parent->findChild<QFileDialog*>(name, Qt::FindDirectChildrenOnly);
    }
    auto dialog = std::make_unique<OpenDialog>(
        parent, QCoreApplication::translate("ui::FileDialogs", "Select the source file"));
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
        path = chosen.isLocalFile() ? sys::pathFromUrl(chosen) : dialog->selectedFiles().value(0);
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
        parent, QCoreApplication::translate("ui::FileDialogs", "VQ Rudraksh Numerology"), sys::firstDialogFolder());
    const QString chosen = chosenPathToSave(dialog, QStringLiteral("saveDialog"), readingFilter(), kReadingSuffix);
    QString path = chosen.isEmpty() ? QString() : withReadingSuffix(chosen);
    // The desktop's own dialog saw the name without the suffix: it is asked
    // here whether the file of the new name may be replaced.
    if (path != chosen && QFileInfo::exists(path)) {
        const QString question
            = QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
                  .arg(QFileInfo(path).fileName());
        if (QMessageBox::warning(
                parent, dialog.windowTitle(), question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
            != QMessageBox::Yes) {
            return {};
        }
    }
    return path;
}

QString chooseReadingsFolder(QWidget* parent, const QString& start)
{
    FolderDialog dialog(parent, QCoreApplication::translate("ui::FileDialogs", "Choose the folder of your readings"));
    dialog.setObjectName(QStringLiteral("folderDialog"));
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    if (!start.isEmpty()) {
        dialog.setDirectory(start);
    }
    useCachingIcons(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    // From the address, as Open takes it, so a name that is not UTF-8 keeps its bytes.
    const QUrl chosen = dialog.selectedUrls().value(0);
    return chosen.isLocalFile() ? sys::pathFromUrl(chosen) : dialog.selectedFiles().value(0);
}

QString choosePdfToExport(QWidget* parent, const QString& personName)
{
    SaveDialog dialog(
        parent, QCoreApplication::translate("ui::FileDialogs", "Export the reading as PDF"), sys::firstDialogFolder());
    return chosenPathToSave(dialog, QStringLiteral("exportDialog"),
        QCoreApplication::translate("ui::FileDialogs", "PDF documents (*.pdf)"), QStringLiteral("pdf"),
        sys::suggestedPdfName(personName));
}

} // namespace ui

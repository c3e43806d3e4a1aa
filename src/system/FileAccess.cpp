#include "system/FileAccess.h"
#include "system/FileAccess_p.h"

#include <QCoreApplication>

namespace sys {

QLatin1String unfinishedSavePrefix()
{
    return QLatin1String(".vq-rudraksha-numerology-saving-");
}

bool isUnfinishedSaveName(const QString& name, qsizetype count)
{
    const QLatin1String prefix = unfinishedSavePrefix();
    if (!name.startsWith(prefix) || name.size() != prefix.size() + count) {
        return false;
    }
    for (qsizetype i = prefix.size(); i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) {
            return false;
        }
    }
    return true;
}

QString describeProblem(FileProblem problem, const QString& systemWords)
{
    const auto words = [](const char* text) { return QCoreApplication::translate("sys::FileAccess", text); };
    switch (problem) {
    case FileProblem::NoSpace:
        return words(QT_TRANSLATE_NOOP("sys::FileAccess", "There is not enough space on the disk for the file."));
    case FileProblem::PermissionDenied:
        return words(QT_TRANSLATE_NOOP("sys::FileAccess", "You do not have permission to write there."));
    case FileProblem::ReadOnlyFile:
        return words(QT_TRANSLATE_NOOP("sys::FileAccess", "The file is read-only."));
    case FileProblem::ReadOnlyDisk:
        return words(QT_TRANSLATE_NOOP("sys::FileAccess", "The disk can be read but not written to."));
    case FileProblem::Missing:
        return words(QT_TRANSLATE_NOOP("sys::FileAccess", "The folder does not exist, or no longer does."));
    case FileProblem::NameTooLong:
        return words(QT_TRANSLATE_NOOP("sys::FileAccess", "The file's name or its path is too long."));
    case FileProblem::InUse:
        return words(QT_TRANSLATE_NOOP("sys::FileAccess", "Another program is using the file."));
    case FileProblem::FolderInTheWay:
        return words(QT_TRANSLATE_NOOP("sys::FileAccess", "A folder of that name is in the way."));
    case FileProblem::NotAFile:
        return words(QT_TRANSLATE_NOOP("sys::FileAccess", "The file may not be changed."));
    case FileProblem::DeviceName:
        return words(
            QT_TRANSLATE_NOOP("sys::FileAccess", "Windows keeps this name for a device; choose another name."));
    case FileProblem::PathTooLong:
        return words(QT_TRANSLATE_NOOP(
            "sys::FileAccess", "The path is longer than the 260 characters that Windows programs can open."));
    case FileProblem::Other:
        break;
    }
    return systemWords;
}

QString whyNotReplaceable(const QString& path)
{
    switch (factsOf(path).kind) {
    case FileKind::Missing:
    case FileKind::Regular:
        return {};
    case FileKind::Folder:
        return describeProblem(FileProblem::FolderInTheWay);
    case FileKind::Other:
        break;
    }
    return describeProblem(FileProblem::NotAFile);
}

} // namespace sys

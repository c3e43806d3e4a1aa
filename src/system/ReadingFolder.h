#pragma once

#include "core/numerology/Reading.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The readings of a folder: every file whose name ends in "rkn" (in any
// letter case) in the folder and in the folders inside it, one level deep,
// each read as Open reads it, bounded and never waited on. The files are the
// register: nothing is kept beside them.
namespace sys {

struct FolderReading {
    QString path; // absolute
    QString fileName; // as seen from the folder: "ann.rkn", "clients/ann.rkn"
    std::optional<core::ReadingInput> input; // nothing: not a reading
    QString problem; // why not, in the reader's language
    QDateTime saved; // when the file last changed
};

// The readings of root and of each folder inside it, in no order.
QList<FolderReading> readingsIn(const QString& root);

// The folder and the folders inside it, one level deep, whose readings count:
// root first. A hidden folder is left out; a link to a folder counts as the
// folder, unless it leads back to root. Nothing when root is no folder.
QStringList readingFolders(const QString& root);

// The paths of the reading files in one of those folders itself, not in the
// folders inside it: every entry whose name ends in "rkn" that is not a
// folder or hidden (the unfinished file of a save cut short is hidden).
QStringList readingFilesIn(const QString& folder);

// The file at path read as Open reads it, named as seen from root; nothing
// where it has gone since it was listed, or is a folder.
std::optional<FolderReading> readFolderReading(const QString& path, const QString& root);

// The folder the register starts in: the one kept in the settings (where the
// last reading was saved, or the one chosen), else the user's Documents, else
// the home folder; an empty text where there is no home folder either.
QString defaultReadingsFolder();

// A reading was saved at path: its folder becomes the register's, unless it
// already is, or is one of the folders inside it.
void noteReadingSavedAt(const QString& path);

} // namespace sys

#pragma once

#include "core/numerology/Reading.h"

#include <QString>

#include <optional>

class QByteArray;
class QUrl;
class QWidget;

// Saved readings on disk: the Open and Save dialogs and the files themselves,
// and the dialog of an exported reading.
namespace ui {

// The Open dialog: the path of the existing file the user picked, or an empty
// text on Cancel.
QString chooseReadingToOpen(QWidget* parent);

// The Save dialog: the path the user picked (".rkn" added to a bare name,
// replacing a file confirmed first), or an empty text on Cancel.
QString chooseReadingToSave(QWidget* parent);

// The Export dialog: the path of the PDF file the user picked (".pdf" added to
// a bare name, replacing a file confirmed first), or an empty text on Cancel.
// It suggests the person's name as the file's name.
QString choosePdfToExport(QWidget* parent, const QString& personName);

// Whether path names a reading file: it ends in "rkn", in any letter case.
bool isReadingFileName(const QString& path);

// A path as the file system holds it, as text that gives the same bytes back
// through nativePath(): a byte that is not part of UTF-8 becomes one of
// U+DC80..U+DCFF (QFile::decodeName would turn it into U+FFFD for good), so a
// reading whose name is not UTF-8 opens too.
QString pathFromNative(const QByteArray& bytes);
QByteArray nativePath(const QString& path);

// The path of a local file's address, its bytes kept as pathFromNative keeps them.
QString pathFromUrl(const QUrl& url);

// The reading the file at path holds, its input fields set and nothing
// computed yet; nothing when the name does not end in "rkn" (in any letter
// case), it is not a regular file (a named pipe is never waited on), it cannot
// be read, or it does not hold a whole reading.
std::optional<core::Reading> readReadingFile(const QString& path);

// Replaces the file at path with the five input fields of the reading, whole
// or not at all. Returns why it failed, or an empty text.
QString writeReadingFile(const QString& path, const core::Reading& reading);

// Replaces the file at path with bytes, whole or not at all, and durably: the
// new file is on the disk before it takes the name. Returns why it failed, or
// an empty text.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace ui

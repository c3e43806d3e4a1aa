#pragma once

#include "core/numerology/Reading.h"

#include <QString>
#include <QStringList>

#include <optional>

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

// The person's name as the name of a PDF file: what Export suggests, and what
// Print suggests for a printer that writes a file.
QString suggestedPdfName(const QString& personName);

// Whether path names a reading file: it ends in "rkn", in any letter case.
bool isReadingFileName(const QString& path);

// The reading the file at path holds, its input fields set and nothing
// computed yet; nothing when the name does not end in "rkn" (in any letter
// case), it is not a regular file (a named pipe is never waited on), it cannot
// be read, or it does not hold a whole reading.
std::optional<core::Reading> readReadingFile(const QString& path);

// The letters of name (whole letters, with their marks) that a reading file
// cannot hold, each once, in the order they come: a file keeps the letters of
// one Western code page below code 171 only.
QStringList lettersAReadingFileCannotHold(const QString& name);

// Replaces the file at path with the five input fields of the reading, whole
// or not at all. Returns why it failed, or an empty text.
QString writeReadingFile(const QString& path, const core::Reading& reading);

} // namespace ui

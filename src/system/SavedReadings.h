#pragma once

#include "core/numerology/Reading.h"

#include <QString>
#include <QStringList>

#include <optional>

// Saved readings on disk: reading files and back, through the program's file
// access, and the names a reading's files are given.
namespace sys {

// A saved reading holds at most some 33 KB; a file past this is not one.
inline constexpr qint64 LargestReadingFile = qint64{1024} * 1024;

// Whether path names a reading file: it ends in "rkn", in any letter case.
bool isReadingFileName(const QString& path);

// The input the file at path holds; nothing when the name does not end in
// "rkn" (in any letter case), it is not a regular file (a named pipe is never
// waited on), it cannot be read, or it does not hold a whole reading.
std::optional<core::ReadingInput> readReadingFile(const QString& path);

// Replaces the file at path with the input, whole or not at all. Returns why
// it failed, or an empty text.
QString writeReadingFile(const QString& path, const core::ReadingInput& input);

// The letters of name (whole letters, with their marks) that a reading file
// cannot hold, each once, in the order they come: a file keeps the letters of
// one Western code page below code 171 only.
QStringList lettersAReadingFileCannotHold(const QString& name);

// The person's name as the name of a PDF file: what Export suggests, and what
// Print suggests for a printer that writes a file.
QString suggestedPdfName(const QString& personName);

} // namespace sys

#pragma once

#include "core/numerology/Reading.h"

#include <optional>
#include <string>
#include <string_view>

// A saved reading: five lines, each the encoded text of one input field and
// each ended by CR LF, in the Windows-1252 code page: name, day, month, month
// name, year. The numbers and texts are not kept; they are computed anew.
namespace core {

// The bytes of a file for an input, or nothing when a text field is longer
// than the codec takes (it would be saved as an empty line).
std::optional<std::string> readingFileBytes(const ReadingInput& input);

// The input held by the bytes of a file, or nothing when they do not hold a
// whole one: fewer than five lines, a day, month or year that is not a number
// or lies outside 1..31, 1..12, 1..9999, a month-name line that is not the
// month's English name (in any letter case), a date the main window would
// refuse (31 April, 29 February 2001), a name without a letter A to Z, or a
// byte that no save writes (below 85: a NUL, a tab, any control byte). Lines
// may end in CR LF, CR or LF; lines after the fifth are ignored.
std::optional<ReadingInput> readingFromFileBytes(std::string_view bytes);

// A text field as a file gives it back: characters of code 171 and above in
// the Windows-1252 code page are left out, and those the page lacks become "?".
std::string textAsSaved(std::string_view text);

} // namespace core

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct Reading;

// A saved reading: five lines, each the encoded text of one input field and
// each ended by CR LF, in the Windows-1252 code page:
// name, day, month, month name, year.
namespace ReadingFile {

// The five input fields a file holds.
struct Fields {
    std::string PersonName;
    std::int16_t BirthDay = 0;
    std::int16_t BirthMonth = 0;
    std::string BirthMonthName;
    std::int16_t BirthYear = 0;
};

// The bytes of a file for the reading's input fields, or nothing when a text
// field is longer than the codec takes (it would be saved as an empty line).
std::optional<std::string> ToBytes(const Reading& reading);

// The fields held by the bytes of a file, or nothing when they do not hold a
// whole reading: fewer than five lines, a day, month or year that is not a
// number or lies outside 1..31, 1..12, 1..9999, or a name without a letter
// A to Z. Lines may end in CR LF or LF; lines after the fifth are ignored.
std::optional<Fields> FromBytes(std::string_view bytes);

// Copies the five fields into the reading; the computed fields stay as they are.
void ApplyTo(const Fields& fields, Reading& reading);

} // namespace ReadingFile

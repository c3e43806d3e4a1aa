#pragma once

#include "core/numerology/Working.h"

#include <cstdint>
#include <string>

namespace core {

// What a reading is made from: the five fields the main window takes and a
// reading file keeps. Typed input and opened files are checked alike
// (ReadingCheck.h).
struct ReadingInput {
    std::string PersonName; // the typed name without leading and trailing spaces
    std::int16_t BirthDay = 0; // 1 to 31
    std::int16_t BirthMonth = 0; // 1 to 12, January = 1
    std::string BirthMonthName; // "January" to "December"
    std::int16_t BirthYear = 0;
};

// A completed reading: its input with the two numbers, their texts and how
// each was reached. The texts are the core's own (English, marked for
// translation) and the working holds numbers only, so the windows put both
// into the reader's language when they show them. It travels as a value from
// the main window to the result window and, as its input, into a file.
struct Reading : ReadingInput {
    std::int16_t DestinyNumber = 0; // 1 to 9; 0 for a name without any letter A to Z
    std::string DestinyText;
    std::int16_t LifePathNumber = 0; // 1 to 9
    std::string LifePathText;
    Working LifePathWorking;
    Working DestinyWorking;
};

} // namespace core

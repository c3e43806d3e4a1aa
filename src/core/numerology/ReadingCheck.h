#pragma once

#include "core/numerology/Reading.h"

namespace core {

// What keeps an input from giving a reading.
enum class ReadingProblem {
    None,
    EmptyName, // nothing but spaces
    NoLetterAToZ, // no letter that carries a value, so no destiny number
    DateOutOfRange, // a day outside 1 to 31, a month outside 1 to 12, a year outside 1 to 9999
    FebruaryDay, // 30 or 31 February, or 29 February outside a leap year
    ThirtyDayMonth, // 31 April, June, September or November
};

// The first problem of the reading's name and birth date, in the order the
// main window tells them: the name before the date. Typed input and opened
// files are both checked here.
ReadingProblem checkReading(const ReadingInput& input);

} // namespace core

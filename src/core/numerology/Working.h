#pragma once

#include "core/numerology/Reading.h"

#include <string>
#include <string_view>

namespace core {

// "%1 letters", the words of the working for a long name.
std::string_view lettersCountFormat();

// How a number is reached, as one line of UTF-8 text: the sum, then one step
// "digits = sum" for each pass of reduceDigits, each after an arrow (U+2192,
// written "->" here).

// "15 + 8 + 1985 = 2008 -> 2 + 0 + 0 + 8 = 10 -> 1 + 0 = 1", from the birth
// day, month and year; empty when their sum is below 1.
std::string lifePathWorking(const Reading& reading);

// "S 1 + A 1 + M 4 ... = 36 -> 3 + 6 = 9": every letter A to Z of the name in
// capitals with its value, the other characters left out; past 30 letters only
// their count, "32 letters = 187 -> ...". Empty for a name without a letter A
// to Z. lettersCount says how many letters there are, "%1" standing for the
// number, in the reader's language.
std::string destinyWorking(std::string_view name, std::string_view lettersCount = lettersCountFormat());

} // namespace core

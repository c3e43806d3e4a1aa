#pragma once

#include <string_view>

namespace core {

// What keeps a day (1 to 31) of a month (1 to 12) from being a birth date.
enum class BirthDateProblem {
    None,
    FebruaryDay, // 30 or 31 February, or 29 February outside a leap year
    ThirtyDayMonth, // 31 April, June, September or November
};

// The calendar of the main window, which every reading follows: every fourth
// year is a leap year, 1900 included.
BirthDateProblem checkBirthDate(int day, int month, int year);

// The English name of month 1 to 12, "January" to "December", as the main
// window lists it and a reading file keeps it; empty for any other number.
std::string_view monthName(int month);

} // namespace core

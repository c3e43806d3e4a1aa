#include "core/numerology/BirthDate.h"

namespace core {

BirthDateProblem checkBirthDate(int day, int month, int year)
{
    const bool leapYear = year % 4 == 0;
    if (month == 2 && (day > 29 || (day == 29 && !leapYear))) {
        return BirthDateProblem::FebruaryDay;
    }
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31) {
        return BirthDateProblem::ThirtyDayMonth;
    }
    return BirthDateProblem::None;
}

} // namespace core

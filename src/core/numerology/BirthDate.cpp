#include "core/numerology/BirthDate.h"
#include "core/numerology/Translatable.h"

#include <array>

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

std::string_view monthName(int month)
{
    static constexpr std::array<std::string_view, 12> kNames = {
        VQ_TR_NOOP("core::Calendar", "January"),
        VQ_TR_NOOP("core::Calendar", "February"),
        VQ_TR_NOOP("core::Calendar", "March"),
        VQ_TR_NOOP("core::Calendar", "April"),
        VQ_TR_NOOP("core::Calendar", "May"),
        VQ_TR_NOOP("core::Calendar", "June"),
        VQ_TR_NOOP("core::Calendar", "July"),
        VQ_TR_NOOP("core::Calendar", "August"),
        VQ_TR_NOOP("core::Calendar", "September"),
        VQ_TR_NOOP("core::Calendar", "October"),
        VQ_TR_NOOP("core::Calendar", "November"),
        VQ_TR_NOOP("core::Calendar", "December"),
    };
    if (month < 1 || month > 12) {
        return {};
    }
    return kNames[static_cast<std::size_t>(month - 1)];
}

} // namespace core

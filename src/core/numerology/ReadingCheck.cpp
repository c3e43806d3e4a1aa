#include "core/numerology/ReadingCheck.h"

#include "core/numerology/BirthDate.h"
#include "core/numerology/Numerology.h"

namespace core {

ReadingProblem checkReading(const Reading& reading)
{
    if (reading.PersonName.find_first_not_of(' ') == std::string::npos) {
        return ReadingProblem::EmptyName;
    }
    if (!hasLetterAToZ(reading.PersonName)) {
        return ReadingProblem::NoLetterAToZ;
    }
    if (reading.BirthDay < 1 || reading.BirthDay > 31 || reading.BirthMonth < 1 || reading.BirthMonth > 12
        || reading.BirthYear < 1 || reading.BirthYear > 9999) {
        return ReadingProblem::DateOutOfRange;
    }
    switch (checkBirthDate(reading.BirthDay, reading.BirthMonth, reading.BirthYear)) {
    case BirthDateProblem::FebruaryDay:
        return ReadingProblem::FebruaryDay;
    case BirthDateProblem::ThirtyDayMonth:
        return ReadingProblem::ThirtyDayMonth;
    case BirthDateProblem::None:
        break;
    }
    return ReadingProblem::None;
}

} // namespace core

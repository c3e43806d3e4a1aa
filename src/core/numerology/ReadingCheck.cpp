#include "core/numerology/ReadingCheck.h"

#include "core/numerology/BirthDate.h"
#include "core/numerology/Numerology.h"

namespace core {

ReadingProblem checkReading(const ReadingInput& input)
{
    if (input.PersonName.find_first_not_of(' ') == std::string::npos) {
        return ReadingProblem::EmptyName;
    }
    if (!hasLetterAToZ(input.PersonName)) {
        return ReadingProblem::NoLetterAToZ;
    }
    if (input.BirthDay < 1 || input.BirthDay > 31 || input.BirthMonth < 1 || input.BirthMonth > 12
        || input.BirthYear < 1 || input.BirthYear > 9999) {
        return ReadingProblem::DateOutOfRange;
    }
    switch (checkBirthDate(input.BirthDay, input.BirthMonth, input.BirthYear)) {
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

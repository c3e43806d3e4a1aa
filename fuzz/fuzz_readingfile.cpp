// Any bytes handed to the reading-file reader: it never crashes, and what it
// accepts is a whole reading in range that saves back to the same fields.

#include "core/numerology/BirthDate.h"
#include "core/numerology/Numerology.h"
#include "core/storage/ReadingFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto fields = core::readingFromFileBytes(bytes);
    if (!fields) {
        return 0;
    }
    if (fields->BirthDay < 1 || fields->BirthDay > 31 || fields->BirthMonth < 1 || fields->BirthMonth > 12
        || fields->BirthYear < 1 || fields->BirthYear > 9999 || !core::hasLetterAToZ(fields->PersonName)
        || core::checkBirthDate(fields->BirthDay, fields->BirthMonth, fields->BirthYear)
            != core::BirthDateProblem::None) {
        std::abort();
    }

    const core::Reading reading = core::completeReading(*fields);
    if (reading.DestinyNumber < 1 || reading.DestinyNumber > 9 || reading.LifePathNumber < 1
        || reading.LifePathNumber > 9) {
        std::abort();
    }

    const auto saved = core::readingFileBytes(reading);
    if (!saved) {
        std::abort();
    }
    const auto reopened = core::readingFromFileBytes(*saved);
    if (!reopened || reopened->PersonName != fields->PersonName || reopened->BirthDay != fields->BirthDay
        || reopened->BirthMonth != fields->BirthMonth || reopened->BirthMonthName != fields->BirthMonthName
        || reopened->BirthYear != fields->BirthYear) {
        std::abort();
    }
    return 0;
}

#include "core/numerology/Numerology.h"

#include "core/numerology/DigitReduction.h"
#include "core/numerology/Working.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace core {

int letterValue(char c)
{
    // Letters nine places apart share a value: A J S = 1, B K T = 2 ... I R = 9.
    if (c >= 'a' && c <= 'z') {
        c = static_cast<char>(c - 'a' + 'A');
    }
    if (c < 'A' || c > 'Z') {
        return 0;
    }
    return (c - 'A') % 9 + 1;
}

bool hasLetterAToZ(std::string_view name)
{
    return std::any_of(name.begin(), name.end(), [](char c) { return letterValue(c) != 0; });
}

Reading Find_LifePath_No(Reading reading)
{
    // The sum of the three numbers, not of their digits: 15 + 8 + 1985 = 2008.
    const int sum = int{reading.BirthDay} + int{reading.BirthMonth} + int{reading.BirthYear};
    if (sum < 1) {
        reading.LifePathNumber = 0;
        return reading;
    }
    reading.LifePathNumber = static_cast<std::int16_t>(reduceDigits(static_cast<std::uint64_t>(sum)));
    reading.LifePathText = std::string(lifePathText(reading.LifePathNumber));
    return reading;
}

Reading Find_Destiny_No(Reading reading)
{
    // 64 bits hold the total of any name that fits in memory, so the result is
    // the reduction of the true total however long the name is.
    std::uint64_t total = 0;
    for (const char c : reading.PersonName) {
        total += static_cast<std::uint64_t>(letterValue(c));
    }
    reading.DestinyNumber = static_cast<std::int16_t>(reduceDigits(total));
    if (reading.DestinyNumber != 0) {
        reading.DestinyText = destinyText(reading.DestinyNumber);
    }
    return reading;
}

Reading completeReading(Reading reading, std::string_view lettersCount)
{
    reading = Find_LifePath_No(Find_Destiny_No(std::move(reading)));
    reading.LifePathWorking = lifePathWorking(reading);
    reading.DestinyWorking
        = destinyWorking(reading.PersonName, lettersCount.empty() ? lettersCountFormat() : lettersCount);
    return reading;
}

} // namespace core

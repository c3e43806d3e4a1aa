#include "core/numerology/Numerology.h"

#include <algorithm>
#include <cstdint>

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

Working lifePathWorking(const ReadingInput& input)
{
    // The sum of the three numbers, not of their digits: 15 + 8 + 1985 = 2008.
    const int sum = int{input.BirthDay} + int{input.BirthMonth} + int{input.BirthYear};
    if (sum < 1) {
        return {};
    }
    Working working;
    for (const int field : {int{input.BirthDay}, int{input.BirthMonth}, int{input.BirthYear}}) {
        working.terms.push_back({0, static_cast<std::uint64_t>(field)});
    }
    working.termCount = working.terms.size();
    working.total = static_cast<std::uint64_t>(sum);
    return working;
}

Working destinyWorking(std::string_view name)
{
    // 64 bits hold the total of any name that fits in memory, so the result is
    // the reduction of the true total however long the name is.
    Working working;
    for (const char c : name) {
        const int value = letterValue(c);
        if (value == 0) {
            continue;
        }
        working.addLetter(c, value);
    }
    return working;
}

Reading Find_LifePath_No(Reading reading)
{
    reading.LifePathWorking = lifePathWorking(reading);
    reading.LifePathNumber = static_cast<std::int16_t>(reading.LifePathWorking.result());
    if (reading.LifePathNumber != 0) {
        reading.LifePathText = std::string(lifePathText(reading.LifePathNumber));
    }
    return reading;
}

Reading Find_Destiny_No(Reading reading)
{
    reading.DestinyWorking = destinyWorking(reading.PersonName);
    reading.DestinyNumber = static_cast<std::int16_t>(reading.DestinyWorking.result());
    if (reading.DestinyNumber != 0) {
        reading.DestinyText = destinyText(reading.DestinyNumber);
    }
    return reading;
}

Reading completeReading(const ReadingInput& input)
{
    Reading reading;
    static_cast<ReadingInput&>(reading) = input;
    return Find_LifePath_No(Find_Destiny_No(std::move(reading)));
}

} // namespace core

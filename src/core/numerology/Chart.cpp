#include "core/numerology/Chart.h"

#include "core/numerology/Numerology.h"

#include <cstdint>

namespace core {
namespace {

bool isPlainVowel(char c)
{
    switch (c) {
    case 'A':
    case 'E':
    case 'I':
    case 'O':
    case 'U':
    case 'a':
    case 'e':
    case 'i':
    case 'o':
    case 'u':
        return true;
    default:
        return false;
    }
}

bool isY(char c)
{
    return c == 'Y' || c == 'y';
}

// The letters A to Z of the name that are vowels, or that are not, with
// their values.
Working lettersWorking(std::string_view name, bool vowels)
{
    Working working;
    for (std::size_t pos = 0; pos < name.size(); ++pos) {
        const char c = name[pos];
        const int value = letterValue(c);
        if (value == 0 || isVowelAt(name, pos) != vowels) {
            continue;
        }
        if (isY(c)) {
            (vowels ? working.countsYAsVowel : working.countsYAsConsonant) = true;
        }
        working.addLetter(c, value);
    }
    return working;
}

Working sumOf(std::initializer_list<int> fields)
{
    Working working;
    int sum = 0;
    for (const int field : fields) {
        working.terms.push_back({0, static_cast<std::uint64_t>(field < 0 ? 0 : field)});
        sum += field;
    }
    if (sum < 1) {
        return {};
    }
    working.termCount = working.terms.size();
    working.total = static_cast<std::uint64_t>(sum);
    return working;
}

} // namespace

bool isVowelAt(std::string_view name, std::size_t pos)
{
    if (pos >= name.size()) {
        return false;
    }
    if (isPlainVowel(name[pos])) {
        return true;
    }
    if (!isY(name[pos])) {
        return false;
    }
    const bool vowelBefore = pos > 0 && isPlainVowel(name[pos - 1]);
    const bool vowelAfter = pos + 1 < name.size() && isPlainVowel(name[pos + 1]);
    return !vowelBefore && !vowelAfter;
}

Working birthNumberWorking(int day)
{
    return sumOf({day});
}

Working soulUrgeWorking(std::string_view name)
{
    return lettersWorking(name, true);
}

Working personalityWorking(std::string_view name)
{
    return lettersWorking(name, false);
}

Working personalYearWorking(const ReadingInput& input, int year)
{
    return sumOf({int{input.BirthDay}, int{input.BirthMonth}, year});
}

Chart chartOf(const Reading& reading, int year, bool gridHoldsNumbers)
{
    Chart chart;
    chart.BirthNumber = birthNumberWorking(reading.BirthDay);
    chart.SoulUrge = soulUrgeWorking(reading.PersonName);
    chart.Personality = personalityWorking(reading.PersonName);
    chart.PersonalYearOf = year;
    chart.PersonalYear = personalYearWorking(reading, year);
    chart.Grid = loShuGrid(reading, gridHoldsNumbers, chart.BirthNumber.result(), reading.LifePathNumber);
    return chart;
}

} // namespace core

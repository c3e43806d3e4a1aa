#include "core/numerology/LoShu.h"

#include <algorithm>
#include <string>

namespace core {
namespace {

void countDigits(int number, std::array<int, 10>& counts)
{
    for (const char digit : std::to_string(number)) {
        if (digit > '0' && digit <= '9') {
            ++counts[static_cast<std::size_t>(digit - '0')];
        }
    }
}

} // namespace

LoShuGrid loShuGrid(const ReadingInput& input, bool addNumbers, int birthNumber, int lifePathNumber)
{
    LoShuGrid grid;
    for (const int field : {int{input.BirthDay}, int{input.BirthMonth}, int{input.BirthYear}}) {
        countDigits(std::max(field, 0), grid.fromDate);
    }
    if (addNumbers) {
        for (const int number : {birthNumber, lifePathNumber}) {
            if (number >= 1 && number <= 9) {
                ++grid.added[static_cast<std::size_t>(number)];
            }
        }
    }
    return grid;
}

LineState lineState(const LoShuLine& line, const LoShuGrid& grid)
{
    const auto present = static_cast<std::size_t>(
        std::count_if(line.numbers.begin(), line.numbers.end(), [&grid](int n) { return grid.count(n) > 0; }));
    return present == line.numbers.size() ? LineState::Complete : present == 0 ? LineState::Empty : LineState::Partly;
}

} // namespace core

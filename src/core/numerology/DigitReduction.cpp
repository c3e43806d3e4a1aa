#include "core/numerology/DigitReduction.h"

#include <string>

namespace core {

int reduceDigits(std::uint64_t n)
{
    // One pass walks the digits of n from the left; a sum of two or more digits
    // becomes the next n and the walk starts again.
    std::string digits = std::to_string(n);
    for (;;) {
        std::uint64_t sum = 0;
        for (const char digit : digits) {
            sum += static_cast<std::uint64_t>(digit - '0');
        }
        if (sum < 10) {
            return static_cast<int>(sum);
        }
        digits = std::to_string(sum);
    }
}

} // namespace core

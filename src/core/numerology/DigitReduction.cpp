#include "core/numerology/DigitReduction.h"

namespace core {

std::vector<std::uint64_t> digitSums(std::uint64_t n)
{
    std::vector<std::uint64_t> sums;
    while (n >= 10) {
        std::uint64_t sum = 0;
        for (std::uint64_t rest = n; rest > 0; rest /= 10) {
            sum += rest % 10;
        }
        sums.push_back(sum);
        n = sum;
    }
    return sums;
}

int reduceDigits(std::uint64_t n)
{
    const std::vector<std::uint64_t> sums = digitSums(n);
    return static_cast<int>(sums.empty() ? n : sums.back());
}

} // namespace core

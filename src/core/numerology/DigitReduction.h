#pragma once

#include <cstdint>

namespace core {

// Sums the decimal digits of n, then the digits of that sum, until one digit is
// left. Master numbers are reduced like any other; 0 stays 0.
int reduceDigits(std::uint64_t n);

} // namespace core

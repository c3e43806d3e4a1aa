#pragma once

#include <cstdint>
#include <vector>

namespace core {

// The passes of digit reduction from n: each the sum of the decimal digits of
// the one before, until one digit is left ({2008} gives {10, 1}); nothing
// for a number of one digit. Master numbers are reduced like any other.
std::vector<std::uint64_t> digitSums(std::uint64_t n);

// n reduced to one digit: the last of its digit sums, or n itself when it has
// one digit already; 0 stays 0.
int reduceDigits(std::uint64_t n);

} // namespace core

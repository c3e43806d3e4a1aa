#pragma once

#include "core/numerology/Reading.h"

#include <array>
#include <string_view>

namespace core {

// The Lo Shu grid of a birth date: the square 4 9 2 / 3 5 7 / 8 1 6, each
// cell holding its digit as often as the date written in full has it (day,
// month, year; zeros left out, nothing reduced), and, where the reader asks
// for them, the birth number and the life path number, kept apart as added.
struct LoShuGrid {
    std::array<int, 10> fromDate{}; // how often the date has each digit 1 to 9 (index 0 unused)
    std::array<int, 10> added{}; // how often the birth and life path numbers add it

    // How often n stands in its cell, from the date and added.
    int count(int n) const { return fromDate[static_cast<std::size_t>(n)] + added[static_cast<std::size_t>(n)]; }
};

// The digits of the square, row by row.
inline constexpr std::array<std::array<int, 3>, 3> LoShuSquare = {{{4, 9, 2}, {3, 5, 7}, {8, 1, 6}}};

// The grid of the input's birth date; with the two numbers added when
// addNumbers is set (each 1 to 9; 0 adds nothing).
LoShuGrid loShuGrid(const ReadingInput& input, bool addNumbers, int birthNumber, int lifePathNumber);

// One of the grid's eight lines: complete when all three of its numbers
// stand in the grid, empty when none does.
struct LoShuLine {
    std::array<int, 3> numbers;
    std::string_view name; // "Mental plane"
    std::string_view whenComplete; // a sentence
    std::string_view whenEmpty;
};

const std::array<LoShuLine, 8>& loShuLines();

enum class LineState { Complete, Empty, Partly };
LineState lineState(const LoShuLine& line, const LoShuGrid& grid);

// What the grid says of number n (1 to 9) standing once, more often, or not
// at all (count 0).
std::string_view loShuNumberText(int n, int count);

// "The %1 is worn to make up for this missing number.", %1 the bead's name.
std::string_view beadSuppliesFormat();

// The grid's rule, and the sentence on the added numbers.
std::string_view loShuRule();
std::string_view loShuAddedRule();

} // namespace core

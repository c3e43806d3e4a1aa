#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace core {

// How a number is reached: the terms that are added (the day, month and year
// of the birth date, or the letters of a name with their values), their
// total, and then the digit sums down to one digit. It holds numbers and
// letters only; workingText() puts it into words of the reader's language.
struct Working {
    struct Term {
        char letter = 0; // a letter A to Z in capitals, or 0 for a plain number
        std::uint64_t value = 0;
    };

    // Past this many letters a working lists only their count.
    static constexpr std::size_t MostLettersListed = 30;

    std::vector<Term> terms; // the first MostLettersListed terms at most
    std::uint64_t termCount = 0; // every term, listed or not
    std::uint64_t total = 0;
    // Whether a Y of the name was counted as a vowel here, or as a consonant
    // (the vowel rule, Chart.h).
    bool countsYAsVowel = false;
    bool countsYAsConsonant = false;

    // No terms: nothing to show, the number could not be formed.
    bool empty() const { return termCount == 0; }

    // The one digit the working ends in.
    int result() const;

    // Adds a letter of the name (in either case) and its value: counted and
    // totalled, and listed in capitals while fewer than MostLettersListed are.
    void addLetter(char letter, int value);
};

// "%1 letters", the words of the working for a long name.
std::string_view lettersCountFormat();

// The working as one line of UTF-8 text: the terms added, " = " their total,
// then one step "digits = sum" for each digit sum, each after an arrow
// (U+2192, written "->" here); a single number stands alone before its sums:
//   "15 + 8 + 1985 = 2008 -> 2 + 0 + 0 + 8 = 10 -> 1 + 0 = 1"
//   "S 1 + A 1 + M 4 ... = 36 -> 3 + 6 = 9"
//   "29 -> 2 + 9 = 11 -> 1 + 1 = 2"
// Past 30 letters only their count stands for them ("32 letters = 187 -> ..."),
// in the words of lettersCount, "%1" standing for the number. Empty for an
// empty working.
std::string workingText(const Working& working, std::string_view lettersCount = lettersCountFormat());

} // namespace core

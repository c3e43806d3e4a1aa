#pragma once

#include "core/numerology/LoShu.h"
#include "core/numerology/Reading.h"

#include <string_view>

// The chart of a reading: the numbers beyond the first two, each reduced as
// the life path is and each calling for the bead of as many faces, and the
// Lo Shu grid. Everything is computed from the input, anew.
namespace core {

// Whether the character of name at pos is a vowel: A, E, I, O or U in either
// case, or a Y where neither character beside it is one of those five (a
// space, a hyphen, the start or the end of the name is none).
bool isVowelAt(std::string_view name, std::size_t pos);

// The birth number: the day of birth reduced to one digit ("15 -> 1 + 5 = 6").
Working birthNumberWorking(int day);

// The soul urge: the values of the name's vowels, added and reduced. Empty
// for a name without a vowel.
Working soulUrgeWorking(std::string_view name);

// The personality number: the values of the name's other letters A to Z.
// Empty for a name without a consonant.
Working personalityWorking(std::string_view name);

// The personal year of a calendar year: birth day + birth month + year.
Working personalYearWorking(const ReadingInput& input, int year);

struct Chart {
    Working BirthNumber;
    Working SoulUrge;
    Working Personality;
    int PersonalYearOf = 0; // the calendar year
    Working PersonalYear;
    LoShuGrid Grid;
};

// The chart of a completed reading for the calendar year; the grid holds the
// birth and life path numbers too where gridHoldsNumbers is set.
Chart chartOf(const Reading& reading, int year, bool gridHoldsNumbers);

// The texts of the chart's numbers, n from 1 to 9; empty outside.
std::string_view birthNumberIntroduction();
std::string_view birthNumberText(int n);
std::string_view soulUrgeText(int n);
std::string_view personalityNumberText(int n);
std::string_view personalYearText(int n);

// The rules the chart follows, stated where its numbers are shown.
std::string_view vowelRule();
std::string_view reductionRule();
std::string_view yAsVowelNote();
std::string_view yAsConsonantNote();
std::string_view noVowelText();
std::string_view noConsonantText();

} // namespace core

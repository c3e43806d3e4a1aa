#pragma once

#include <array>
#include <string_view>

// The compatibility of two people's numbers: the natural friendship of the
// numbers' planets (1 Sun, 2 Moon, 3 Jupiter, 4 Rahu, 5 Mercury, 6 Venus,
// 7 Ketu, 8 Saturn, 9 Mars), as the classical table gives it for the seven
// planets with Rahu and Ketu as Indian numerologists add them. The table goes
// one way: a number's row says how it regards the others. A number regards
// itself as a friend; pairs the table leaves open are neutral.
namespace core {

enum class Relation { Friend, Neutral, Enemy };

// How number from (1 to 9) regards number to (1 to 9); Neutral outside.
Relation relationOf(int from, int to);

// A pair's grade from its two directions: both friends, in harmony; a friend
// and a neutral, friendly; both neutral, neutral; an enemy and a friend or a
// neutral, strained; both enemies, opposed.
enum class Grade { Harmony, Friendly, Neutral, Strained, Opposed };
Grade gradeOf(int first, int second);

// The grade's name ("in harmony") and what it means for two people.
std::string_view gradeName(Grade grade);
std::string_view gradeText(Grade grade);

// "friend", "neutral", "enemy", as the classical table names them (its
// neutral is not the grade's).
std::string_view relationName(Relation relation);

// The rule, as the compatibility tab and paper state it.
std::string_view compatibilityRule();

} // namespace core

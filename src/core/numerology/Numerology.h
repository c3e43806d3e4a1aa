#pragma once

#include "core/numerology/Reading.h"

#include <string>
#include <string_view>

namespace core {

// The value of one character of a name: A, J, S are 1 ... I, R are 9, in either
// case; every other character (space, digit, accented letter) is 0.
int letterValue(char c);

// Whether the name holds at least one of the letters A to Z (either case).
bool hasLetterAToZ(std::string_view name);

// The birth day, month and year added: "15 + 8 + 1985 = 2008 ...". Empty when
// their sum is below 1.
Working lifePathWorking(const ReadingInput& input);

// Every letter A to Z of the name in capitals with its value, the other
// characters left out. Empty for a name without a letter A to Z.
Working destinyWorking(std::string_view name);

// Life path: BirthDay + BirthMonth + BirthYear reduced to one digit; returns the
// reading with LifePathNumber, LifePathText and LifePathWorking set. A sum
// below 1 gives 0 and leaves the text as it was.
Reading Find_LifePath_No(Reading reading);

// Destiny: the letter values of PersonName totalled and reduced to one digit;
// returns the reading with DestinyNumber, DestinyText and DestinyWorking set.
// A total of 0 gives 0 and leaves the text as it was.
Reading Find_Destiny_No(Reading reading);

// The whole reading of an input: the destiny number first, then the life path
// number, each with its text and its working.
Reading completeReading(const ReadingInput& input);

// The personality paragraph of life path n, empty outside 1..9.
std::string_view lifePathText(int n);

// The destiny paragraphs of n joined by blank lines (CR LF CR LF), with the
// master-number paragraph between them for 4; empty outside 1..9.
std::string destinyText(int n);

// The fixed paragraphs that introduce the two numbers on the result pages.
std::string_view lifePathIntroduction();
std::string_view destinyIntroduction();

} // namespace core

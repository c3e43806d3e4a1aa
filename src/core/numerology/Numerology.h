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

// Life path: BirthDay + BirthMonth + BirthYear reduced to one digit; returns the
// reading with LifePathNumber and LifePathText set. A sum below 1 gives 0 and
// leaves the text as it was.
Reading Find_LifePath_No(Reading reading);

// Destiny: the letter values of PersonName totalled and reduced to one digit;
// returns the reading with DestinyNumber and DestinyText set. A total of 0
// gives 0 and leaves the text as it was.
Reading Find_Destiny_No(Reading reading);

// A whole reading from its five input fields: the destiny number first, then
// the life path number, each with its text and its working (lettersCount as
// destinyWorking takes it).
Reading completeReading(Reading reading, std::string_view lettersCount = {});

// The personality paragraph of life path n, empty outside 1..9.
std::string_view lifePathText(int n);

// The destiny paragraphs of n joined by blank lines (CR LF CR LF), with the
// master-number paragraph between them for 4; empty outside 1..9.
std::string destinyText(int n);

// The fixed paragraphs that introduce the two numbers on the result pages.
std::string_view lifePathIntroduction();
std::string_view destinyIntroduction();

} // namespace core

#pragma once

#include <cstdint>
#include <string>

namespace core {

// One reading: the input of the main window (or of an opened file) and the two
// numbers with their texts computed from it. It travels as a value from the
// main window to the result window and into a file.
struct Reading {
    std::string PersonName; // the typed name without leading and trailing spaces
    std::int16_t BirthDay = 0; // 1 to 31
    std::int16_t BirthMonth = 0; // 1 to 12, January = 1
    std::string BirthMonthName; // "January" to "December"
    std::int16_t BirthYear = 0;
    std::int16_t DestinyNumber = 0; // 1 to 9; 0 for a name without any letter A to Z
    std::string DestinyText;
    std::int16_t LifePathNumber = 0; // 1 to 9
    std::string LifePathText;
    // How each number was reached, as lifePathWorking and destinyWorking tell it.
    std::string LifePathWorking;
    std::string DestinyWorking;
};

} // namespace core

#pragma once

#include <array>
#include <string_view>

namespace modRudrakshNumerology {

// One row of the bead catalogue: the bead with N faces that the number N calls
// for. The two pictures of a row live in the result window's picture lists.
struct BeadRecord {
    std::string_view BeadName;
    std::string_view RulingPlanet;
    std::string_view Symbol;
    std::string_view PlanetNumber; // the ruling planet's number, not the row number
    std::string_view DayToWear;
    std::string_view Mantras;
    std::string_view BodyParts;
    std::string_view Ailments;
    std::string_view RitualsToWear;
    std::string_view Description;
    std::string_view PlanetText;
};

// All nine rows; row N sits at position N - 1.
const std::array<BeadRecord, 9>& BeadCatalogue();

// Row n of the catalogue, or nullptr when n is not 1 to 9.
const BeadRecord* BeadRow(int n);

} // namespace modRudrakshNumerology

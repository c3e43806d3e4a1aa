#pragma once

#include <array>
#include <string_view>

namespace core {

// One row of the bead catalogue: the bead with N faces that the number N calls
// for. Its photograph and planet glyph are pictures of the windows, found by
// the same number.
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
const std::array<BeadRecord, 9>& beadCatalogue();

// Row n of the catalogue, or nullptr when n is not 1 to 9.
const BeadRecord* beadRow(int n);

// Whether the planet of row n has a glyph and a text of its own: Rahu and
// Ketu, the planets of 8 and 9, have neither (their text reads "NA").
bool hasPlanetGlyph(int n);

} // namespace core

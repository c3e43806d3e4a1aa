#pragma once

#include <QString>

#include <array>

namespace core {
struct BeadRecord;
}

// A bead in nine captioned rows, as a result page shows it and the printed
// reading repeats it: caption k and value k for k = 1 to 9; index 0 holds no
// caption and the number.
namespace ui {

inline constexpr std::size_t kBeadRows = 9;

// In the reader's language, as every text of the rows.
std::array<QString, kBeadRows + 1> rowCaptions();

// The number n, the bead's name in capitals and its other eight fields.
std::array<QString, kBeadRows + 1> rowValues(int n, const core::BeadRecord& bead);

} // namespace ui

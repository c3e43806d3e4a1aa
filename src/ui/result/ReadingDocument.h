#pragma once

#include "core/numerology/Reading.h"

#include "ui/widgets/Paper.h"

namespace ui {

// The whole of a computed reading on paper: a heading with the program, the
// name and the birth date; for the life path number and then the destiny
// number, its introduction, the number with its working, the personality text
// and the bead as the result page shows it, pictures included; the chart: the
// birth number's page likewise, every number in a table, the Lo Shu grid with
// its lines and notes, and the rules; the do's and don'ts at the end, kept on
// one page.
PaperDocument readingPaper(const core::Reading& reading);

} // namespace ui

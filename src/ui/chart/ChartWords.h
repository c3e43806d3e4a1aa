#pragma once

#include "core/numerology/Chart.h"

#include <QList>
#include <QString>

// The chart in the reader's language, as its window shows it and paper
// repeats it: the six numbers with their names, their sources, their working
// and their beads, and what the Lo Shu grid says.
namespace ui {

// One number of the chart's table.
struct ChartNumber {
    QString name; // "Soul urge"
    QString source; // "from the vowels of the name"
    int number = 0; // 0: none could be formed
    QString working; // how it was reached, its Y note after it
    QString meaning; // a short text, or why there is no number
    QString bead; // the bead it calls for, or empty
};

// Birth number, life path, destiny, soul urge, personality, personal year.
QList<ChartNumber> chartNumbers(const core::Reading& reading, const core::Chart& chart);

// How number n stands in the grid, for the screen reader and the listing:
// "4: missing", "8: twice", "6: once, added", "1: twice from the date, once added".
QString cellDescription(int n, const core::LoShuGrid& grid);

// What stands in the cell of n: its digit once for each time, those added
// in brackets ("1 1 (1)"); nothing for a missing number.
QString cellText(int n, const core::LoShuGrid& grid);

// The complete and the empty lines, each "name: sentence".
QStringList completeLines(const core::LoShuGrid& grid);
QStringList emptyLines(const core::LoShuGrid& grid);

// What each number's presence or absence says, n from 1 to 9; a missing one
// also names the bead that supplies it.
QString numberNote(int n, const core::LoShuGrid& grid);

// The rules the chart follows, as one paragraph: the vowel rule and the
// reduction; the grid's rule, and whether the grid holds the added numbers.
QString numbersRule();
QString gridRule(bool holdsAddedNumbers);

// The short first sentence of a translated text.
QString firstSentence(const QString& text);

} // namespace ui

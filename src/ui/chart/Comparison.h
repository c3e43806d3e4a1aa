#pragma once

#include "core/numerology/Compatibility.h"
#include "core/numerology/Reading.h"

#include "ui/widgets/Paper.h"

#include <QList>
#include <QString>

class QTextDocument;

// Two people's numbers side by side, in the reader's language, as the chart's
// compatibility tab shows them and paper repeats them: the birth numbers, the
// life paths and the destinies with their working, how each number regards
// the other and the pair's grade, the verdict, the beads, and the rule.
namespace ui {

// One of the three pairs.
struct ComparedPair {
    QString name; // "Birth number"
    QString verdict; // "Day to day, the birth numbers 3 and 9 are in harmony."
    int first = 0;
    int second = 0;
    QString firstWorking;
    QString secondWorking;
    core::Relation firstToSecond = core::Relation::Neutral;
    core::Relation secondToFirst = core::Relation::Neutral;
    core::Grade grade = core::Grade::Neutral;
};

// Birth numbers first (day to day), then life paths (the long run), then
// destinies.
QList<ComparedPair> comparedPairs(const core::Reading& first, const core::Reading& second);

// "3 counts 9 as a friend."
QString relationSentence(int from, int to, core::Relation relation);

// Where the comparison is shown: on screen the colours suit the black of the
// window and the pictures its screen; on paper a heading with both names and
// dates comes first.
enum class ComparisonFor { Screen, Paper };

// The comparison as the HTML of document, its pictures added to it.
QString comparisonHtml(const core::Reading& first, const core::Reading& second, QTextDocument& document,
    ComparisonFor target, qreal pixelRatio = 1.0);

// The comparison on paper.
PaperDocument comparisonPaper(const core::Reading& first, const core::Reading& second);

} // namespace ui

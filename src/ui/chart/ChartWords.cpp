#include "ui/chart/ChartWords.h"

#include "core/catalogue/BeadCatalogue.h"
#include "system/CoreText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace ui {
namespace {

QString words(const char* text)
{
    return QCoreApplication::translate("ui::ChartWords", text);
}

QString chartText(std::string_view text)
{
    return sys::translatedCore("core::Chart", text);
}

QString beadOf(int n)
{
    const core::BeadRecord* bead = core::beadRow(n);
    return bead != nullptr ? sys::translatedCore("core::Catalogue", bead->BeadName) : QString();
}

// "once", "twice", "3 times".
QString times(int count)
{
    if (count == 1) {
        return words(QT_TRANSLATE_NOOP("ui::ChartWords", "once"));
    }
    if (count == 2) {
        return words(QT_TRANSLATE_NOOP("ui::ChartWords", "twice"));
    }
    return words(QT_TRANSLATE_NOOP("ui::ChartWords", "%1 times")).arg(count);
}

// A number reached by working, with the note on its Y where the vowel rule
// decided one, or the reason there is none.
ChartNumber numberOf(const QString& name, const QString& source, const core::Working& working, std::string_view text,
    const char* textContext, std::string_view none)
{
    ChartNumber number;
    number.name = name;
    number.source = source;
    if (working.empty()) {
        number.working = QStringLiteral("\u2014");
        number.meaning = chartText(none);
        return number;
    }
    number.number = working.result();
    number.working = sys::translatedWorking(working);
    if (working.countsYAsVowel) {
        number.working += QLatin1Char('\n') + chartText(core::yAsVowelNote());
    }
    if (working.countsYAsConsonant) {
        number.working += QLatin1Char('\n') + chartText(core::yAsConsonantNote());
    }
    number.meaning = firstSentence(sys::translatedParagraphs(textContext, text));
    number.bead = beadOf(number.number);
    return number;
}

} // namespace

QList<ChartNumber> chartNumbers(const core::Reading& reading, const core::Chart& chart)
{
    const int birth = chart.BirthNumber.result();
    return {
        numberOf(words(QT_TRANSLATE_NOOP("ui::ChartWords", "Birth number")),
            words(QT_TRANSLATE_NOOP("ui::ChartWords", "from the day of birth")), chart.BirthNumber,
            core::birthNumberText(birth), "core::Chart", {}),
        numberOf(words(QT_TRANSLATE_NOOP("ui::ChartWords", "Life path number")),
            words(QT_TRANSLATE_NOOP("ui::ChartWords", "from the whole birth date")), reading.LifePathWorking,
            reading.LifePathText, "core::Numerology", {}),
        numberOf(words(QT_TRANSLATE_NOOP("ui::ChartWords", "Destiny number")),
            words(QT_TRANSLATE_NOOP("ui::ChartWords", "from all the letters of the name")), reading.DestinyWorking,
            reading.DestinyText, "core::Numerology", {}),
        numberOf(words(QT_TRANSLATE_NOOP("ui::ChartWords", "Soul urge")),
            words(QT_TRANSLATE_NOOP("ui::ChartWords", "from the vowels of the name")), chart.SoulUrge,
            core::soulUrgeText(chart.SoulUrge.result()), "core::Chart", core::noVowelText()),
        numberOf(words(QT_TRANSLATE_NOOP("ui::ChartWords", "Personality number")),
            words(QT_TRANSLATE_NOOP("ui::ChartWords", "from the consonants of the name")), chart.Personality,
            core::personalityNumberText(chart.Personality.result()), "core::Chart", core::noConsonantText()),
        numberOf(words(QT_TRANSLATE_NOOP("ui::ChartWords", "Personal year %1")).arg(chart.PersonalYearOf),
            words(QT_TRANSLATE_NOOP("ui::ChartWords", "from the birth day and month and the year %1"))
                .arg(chart.PersonalYearOf),
            chart.PersonalYear, core::personalYearText(chart.PersonalYear.result()), "core::Chart", {}),
    };
}

QString cellDescription(int n, const core::LoShuGrid& grid)
{
    const int fromDate = grid.fromDate[static_cast<std::size_t>(n)];
    const int added = grid.added[static_cast<std::size_t>(n)];
    if (fromDate + added == 0) {
        return words(QT_TRANSLATE_NOOP("ui::ChartWords", "%1: missing")).arg(n);
    }
    if (added == 0) {
        return words(QT_TRANSLATE_NOOP("ui::ChartWords", "%1: %2")).arg(n).arg(times(fromDate));
    }
    if (fromDate == 0) {
        return words(QT_TRANSLATE_NOOP("ui::ChartWords", "%1: %2, added")).arg(n).arg(times(added));
    }
    return words(QT_TRANSLATE_NOOP("ui::ChartWords", "%1: %2 from the date, %3 added"))
        .arg(n)
        .arg(times(fromDate), times(added));
}

QString cellText(int n, const core::LoShuGrid& grid)
{
    QStringList digits;
    for (int i = 0; i < grid.fromDate[static_cast<std::size_t>(n)]; ++i) {
        digits << QString::number(n);
    }
    for (int i = 0; i < grid.added[static_cast<std::size_t>(n)]; ++i) {
        digits << QStringLiteral("(%1)").arg(n);
    }
    return digits.join(QLatin1Char(' '));
}

QStringList completeLines(const core::LoShuGrid& grid)
{
    QStringList lines;
    for (const core::LoShuLine& line : core::loShuLines()) {
        if (core::lineState(line, grid) == core::LineState::Complete) {
            lines << chartText(line.whenComplete);
        }
    }
    return lines;
}

QStringList emptyLines(const core::LoShuGrid& grid)
{
    QStringList lines;
    for (const core::LoShuLine& line : core::loShuLines()) {
        if (core::lineState(line, grid) == core::LineState::Empty) {
            lines << chartText(line.whenEmpty);
        }
    }
    return lines;
}

QString numberNote(int n, const core::LoShuGrid& grid)
{
    const int count = grid.count(n);
    QString note = chartText(core::loShuNumberText(n, count));
    if (count == 0) {
        note += QLatin1Char(' ') + chartText(core::beadSuppliesFormat()).arg(beadOf(n));
    }
    return note;
}

QString numbersRule()
{
    return chartText(core::vowelRule()) + QLatin1Char(' ') + chartText(core::reductionRule());
}

QString gridRule(bool holdsAddedNumbers)
{
    QString rule = chartText(core::loShuRule());
    if (holdsAddedNumbers) {
        rule += QLatin1Char(' ') + chartText(core::loShuAddedRule()) + QLatin1Char(' ')
            + words(QT_TRANSLATE_NOOP("ui::ChartWords", "The added numbers stand in brackets."));
    }
    return rule;
}

QString firstSentence(const QString& text)
{
    // A full stop, a question or an exclamation mark, or a danda, before a space.
    static const QRegularExpression end(QStringLiteral("[.?!\u0964](\\s|$)"));
    const QRegularExpressionMatch found = end.match(text);
    return found.hasMatch() ? text.left(found.capturedStart() + 1) : text;
}

} // namespace ui

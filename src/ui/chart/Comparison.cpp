#include "ui/chart/Comparison.h"

#include "core/catalogue/BeadCatalogue.h"
#include "core/numerology/Chart.h"
#include "system/CoreText.h"
#include "system/ProgramNames.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Pictures.h"

#include <QCoreApplication>
#include <QTextDocument>
#include <QUrl>

namespace ui {
namespace {

QString words(const char* text)
{
    return QCoreApplication::translate("ui::Comparison", text);
}

QString escaped(const QString& text)
{
    return text.toHtmlEscaped();
}

QString nameOf(const core::Reading& reading)
{
    return sys::fromCore(reading.PersonName);
}

QString gradeWords(core::Grade grade)
{
    return sys::translatedCore("core::Compatibility", core::gradeName(grade));
}

QString beadName(int n)
{
    const core::BeadRecord* bead = core::beadRow(n);
    return bead != nullptr ? sys::translatedCore("core::Catalogue", bead->BeadName) : QString();
}

// The colours of a target: the headings', the grades', the table's lines.
struct Palette {
    QString heading;
    QString grade;
    QString rule;
};

Palette paletteFor(ComparisonFor target)
{
    if (target == ComparisonFor::Paper) {
        return {paperHeadingColour(), QStringLiteral("#000000"), QStringLiteral("#606060")};
    }
    return {Colours::Orange.name(), Colours::Teal.name(), Colours::DarkTeal.name()};
}

QString headingHtml(const QString& text, const Palette& palette)
{
    return QStringLiteral("<h3 style=\"color:%1;\">%2</h3>").arg(palette.heading, escaped(text));
}

// The two people's numbers, a row for each pair.
QString pairsTable(
    const core::Reading& first, const core::Reading& second, const QList<ComparedPair>& pairs, const Palette& palette)
{
    QString html = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"5\" "
                                  "style=\"border-color:%1; border-style:solid;\">")
                       .arg(palette.rule);
    html += QStringLiteral("<tr><th width=\"14%\"></th><th width=\"24%\" align=\"left\">%1<br><span "
                           "style=\"font-weight:normal;\">%2</span></th>"
                           "<th width=\"24%\" align=\"left\">%3<br><span style=\"font-weight:normal;\">%4</span></th>"
                           "<th width=\"24%\" align=\"left\">%5</th><th width=\"14%\" align=\"left\">%6</th></tr>")
                .arg(escaped(nameOf(first)), escaped(sys::birthDateText(first)), escaped(nameOf(second)),
                    escaped(sys::birthDateText(second)),
                    escaped(words(QT_TRANSLATE_NOOP("ui::Comparison", "How each regards the other"))),
                    escaped(words(QT_TRANSLATE_NOOP("ui::Comparison", "Together"))));
    for (const ComparedPair& pair : pairs) {
        const auto number = [](int n, const QString& working) {
            return QStringLiteral("<span style=\"font-size:18pt; font-weight:bold;\">%1</span><br>%2")
                .arg(n)
                .arg(escaped(working));
        };
        html += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td><td>%3</td><td>%4<br>%5</td>"
                               "<td style=\"color:%6;\"><b>%7</b></td></tr>")
                    .arg(escaped(pair.name), number(pair.first, pair.firstWorking),
                        number(pair.second, pair.secondWorking),
                        escaped(relationSentence(pair.first, pair.second, pair.firstToSecond)),
                        escaped(relationSentence(pair.second, pair.first, pair.secondToFirst)), palette.grade,
                        escaped(gradeWords(pair.grade)));
    }
    return html + QStringLiteral("</table>");
}

// What the grades say, the birth numbers first.
QString verdict(const QList<ComparedPair>& pairs, const Palette& palette)
{
    QString html = headingHtml(words(QT_TRANSLATE_NOOP("ui::Comparison", "Verdict")), palette);
    for (const ComparedPair& pair : pairs) {
        html += QStringLiteral("<p><b>%1</b> %2</p>")
                    .arg(escaped(pair.verdict),
                        escaped(sys::translatedCore("core::Compatibility", core::gradeText(pair.grade))));
    }
    return html;
}

QString beadsHeading()
{
    return words(QT_TRANSLATE_NOOP("ui::Comparison", "The beads their numbers call for"));
}

QString ruleHeading()
{
    return words(QT_TRANSLATE_NOOP("ui::Comparison", "The rule"));
}

// The beads each person's three numbers call for, a picture beside each: a
// row for each number, a column for each person.
QString beads(const core::Reading& first, const core::Reading& second, const QList<ComparedPair>& pairs,
    QTextDocument& document, const Palette& palette, qreal pixelRatio)
{
    const auto picture = [&document, pixelRatio](int n) {
        const QUrl name(QStringLiteral("comparison-bead-%1").arg(n));
        if (document.resource(QTextDocument::ImageResource, name).isNull()) {
            document.addResource(QTextDocument::ImageResource, name, beadPicture(n, pixelRatio).toImage());
        }
        return QStringLiteral("<td width=\"44\"><img src=\"%1\" width=\"36\" height=\"36\"></td>").arg(name.toString());
    };
    const auto bead = [](int n) {
        return QStringLiteral("<td width=\"33%\" valign=\"middle\"><b>%1</b>&nbsp;&nbsp;%2</td>")
            .arg(n)
            .arg(escaped(beadName(n)));
    };
    QString html = headingHtml(beadsHeading(), palette);
    html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"4\"><tr><th width=\"20%\"></th>"
                           "<th colspan=\"2\" align=\"left\">%1</th><th colspan=\"2\" align=\"left\">%2</th></tr>")
                .arg(escaped(nameOf(first)), escaped(nameOf(second)));
    for (const ComparedPair& pair : pairs) {
        html += QStringLiteral("<tr><td valign=\"middle\">%1</td>%2%3%4%5</tr>")
                    .arg(escaped(pair.name), picture(pair.first), bead(pair.first), picture(pair.second),
                        bead(pair.second));
    }
    return html + QStringLiteral("</table>");
}

// The rule in words, then the table of how each number regards the others.
QString rule(const Palette& palette)
{
    QString html = headingHtml(ruleHeading(), palette);
    html += QStringLiteral("<p>%1</p>")
                .arg(escaped(sys::translatedCore("core::Compatibility", core::compatibilityRule())));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\" "
                           "style=\"border-color:%1; border-style:solid;\"><tr>")
                .arg(palette.rule);
    for (const char* heading :
        {QT_TRANSLATE_NOOP("ui::Comparison", "Number"), QT_TRANSLATE_NOOP("ui::Comparison", "Friends"),
            QT_TRANSLATE_NOOP("ui::Comparison", "Neutral"), QT_TRANSLATE_NOOP("ui::Comparison", "Enemies")}) {
        html += QStringLiteral("<th align=\"left\">%1</th>").arg(escaped(words(heading)));
    }
    html += QStringLiteral("</tr>");
    for (int from = 1; from <= 9; ++from) {
        QStringList friends;
        QStringList neutral;
        QStringList enemies;
        for (int to = 1; to <= 9; ++to) {
            const core::Relation relation = core::relationOf(from, to);
            (relation == core::Relation::Friend         ? friends
                    : relation == core::Relation::Enemy ? enemies
                                                        : neutral)
                .append(QString::number(to));
        }
        const auto listed = [](const QStringList& numbers) {
            return numbers.isEmpty() ? words(QT_TRANSLATE_NOOP("ui::Comparison", "none"))
                                     : numbers.join(QStringLiteral(", "));
        };
        html += QStringLiteral("<tr><td align=\"center\"><b>%1</b></td><td>%2</td><td>%3</td><td>%4</td></tr>")
                    .arg(from)
                    .arg(listed(friends), listed(neutral), listed(enemies));
    }
    return html + QStringLiteral("</table>");
}

} // namespace

QString relationSentence(int from, int to, core::Relation relation)
{
    switch (relation) {
    case core::Relation::Friend:
        return words(QT_TRANSLATE_NOOP("ui::Comparison", "%1 counts %2 as a friend.")).arg(from).arg(to);
    case core::Relation::Enemy:
        return words(QT_TRANSLATE_NOOP("ui::Comparison", "%1 counts %2 as an enemy.")).arg(from).arg(to);
    case core::Relation::Neutral:
        break;
    }
    return words(QT_TRANSLATE_NOOP("ui::Comparison", "%1 is neutral to %2.")).arg(from).arg(to);
}

QList<ComparedPair> comparedPairs(const core::Reading& first, const core::Reading& second)
{
    // The birth number needs the chart's working alone; the year is not used.
    const core::Working firstBirth = core::birthNumberWorking(first.BirthDay);
    const core::Working secondBirth = core::birthNumberWorking(second.BirthDay);
    struct Source {
        const char* name;
        const char* verdict; // %1 and %2 the numbers, %3 the grade
        const core::Working& first;
        const core::Working& second;
    };
    const Source sources[] = {
        {QT_TRANSLATE_NOOP("ui::Comparison", "Birth number"),
            QT_TRANSLATE_NOOP("ui::Comparison", "Day to day, the birth numbers %1 and %2 are %3."), firstBirth,
            secondBirth},
        {QT_TRANSLATE_NOOP("ui::Comparison", "Life path number"),
            QT_TRANSLATE_NOOP("ui::Comparison", "In the long run, the life path numbers %1 and %2 are %3."),
            first.LifePathWorking, second.LifePathWorking},
        {QT_TRANSLATE_NOOP("ui::Comparison", "Destiny number"),
            QT_TRANSLATE_NOOP("ui::Comparison", "In what they set out to do, the destiny numbers %1 and %2 are %3."),
            first.DestinyWorking, second.DestinyWorking},
    };
    QList<ComparedPair> pairs;
    for (const Source& source : sources) {
        ComparedPair pair;
        pair.name = words(source.name);
        pair.first = source.first.result();
        pair.second = source.second.result();
        pair.firstWorking = sys::translatedWorking(source.first);
        pair.secondWorking = sys::translatedWorking(source.second);
        pair.firstToSecond = core::relationOf(pair.first, pair.second);
        pair.secondToFirst = core::relationOf(pair.second, pair.first);
        pair.grade = core::gradeOf(pair.first, pair.second);
        pair.verdict = words(source.verdict).arg(pair.first).arg(pair.second).arg(gradeWords(pair.grade));
        pairs.append(pair);
    }
    return pairs;
}

QString comparisonHtml(const core::Reading& first, const core::Reading& second, QTextDocument& document,
    ComparisonFor target, qreal pixelRatio)
{
    const Palette palette = paletteFor(target);
    const QList<ComparedPair> pairs = comparedPairs(first, second);
    QString html;
    if (target == ComparisonFor::Paper) {
        html += paperTitle(QStringLiteral("<b>%1</b><br>%2<br><br><b>%3</b><br>%4")
                               .arg(escaped(nameOf(first)), escaped(sys::birthDateText(first)), escaped(nameOf(second)),
                                   escaped(sys::birthDateText(second))));
        html += QStringLiteral("<h2 style=\"color:%1;\">%2</h2>")
                    .arg(palette.heading, escaped(words(QT_TRANSLATE_NOOP("ui::Comparison", "Compatibility"))));
    }
    html += pairsTable(first, second, pairs, palette);
    html += verdict(pairs, palette);
    html += beads(first, second, pairs, document, palette, pixelRatio);
    html += rule(palette);
    return QStringLiteral("<html><body>%1</body></html>").arg(html);
}

PaperDocument comparisonPaper(const core::Reading& first, const core::Reading& second)
{
    return {QStringLiteral("%1: %2 \u2013 %3").arg(sys::ApplicationTitle(), nameOf(first), nameOf(second)),
        [first, second] {
            auto document = newPaperDocument();
            // Paper takes the pictures' @2x drawings, as the reading's do.
            document->setHtml(comparisonHtml(first, second, *document, ComparisonFor::Paper, 2.0));
            return document;
        },
        [](QTextDocument& document, qreal pageHeight) {
            keepSectionsTogether(document, pageHeight, {beadsHeading(), ruleHeading()});
        }};
}

} // namespace ui

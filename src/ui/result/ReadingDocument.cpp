#include "ui/result/ReadingDocument.h"

#include "core/catalogue/BeadCatalogue.h"
#include "core/catalogue/GuidanceTexts.h"
#include "core/numerology/BirthDate.h"
#include "core/numerology/Chart.h"
#include "core/numerology/Numerology.h"
#include "system/CoreText.h"
#include "system/ProgramNames.h"
#include "system/Settings.h"
#include "ui/chart/ChartWords.h"
#include "ui/widgets/BeadRows.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Paper.h"
#include "ui/widgets/Pictures.h"

#include <QAbstractTextDocumentLayout>
#include <QCoreApplication>
#include <QDate>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <cmath>
#include <memory>

namespace ui {
namespace {

const QString kHeadingColour = paperHeadingColour();

// The heading of the do's and don'ts, the last part of the document.
QString guidanceHeading()
{
    return QCoreApplication::translate("ui::ReadingDocument", "Keeping the beads");
}

QString escaped(std::string_view text)
{
    return sys::fromCore(text).toHtmlEscaped();
}

// Each line of a text of the core (in the reader's language) a paragraph of
// its own; blank lines only part them.
QString paragraphs(const char* context, std::string_view text)
{
    QString html;
    for (const QString& line : sys::translatedParagraphs(context, text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        html += QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
    }
    return html;
}

// Paper takes the pictures' @2x drawings: at their printed size the 1x ones
// come out at under 100 dots per inch.
constexpr qreal kPrintPixelRatio = 2.0;

struct NumberOfReading {
    QString title;
    int n = 0;
    std::string_view introduction;
    std::string_view personality;
    const core::Working& working;
    const char* context = "core::Numerology"; // of the two texts
};

// One number: what it means, the number and its working, the personality text,
// then the bead in its nine rows beside its pictures, its description and its
// planet text. The pictures become resources of the document.
QString numberSection(QTextDocument& document, const NumberOfReading& number, bool newPage)
{
    const core::BeadRecord* bead = core::beadRow(number.n);
    if (bead == nullptr) {
        return {};
    }
    QString html = QStringLiteral("<h2 style=\"color:%1;%2\">%3</h2>")
                       .arg(kHeadingColour, newPage ? QStringLiteral(" page-break-before:always;") : QString(),
                           number.title.toHtmlEscaped());
    html += QStringLiteral("<p><i>%1</i></p>")
                .arg(sys::translatedCore(number.context, number.introduction).toHtmlEscaped());
    html += QStringLiteral("<p><span style=\"font-size:26pt; font-weight:bold;\">%1</span>"
                           "&nbsp;&nbsp;&nbsp;&nbsp;%2</p>")
                .arg(number.n)
                .arg(sys::translatedWorking(number.working).toHtmlEscaped());
    html += paragraphs(number.context, number.personality);

    const QUrl beadName(QStringLiteral("bead-%1").arg(number.n));
    document.addResource(QTextDocument::ImageResource, beadName, beadPicture(number.n, kPrintPixelRatio).toImage());
    QString pictures = QStringLiteral("<img src=\"%1\" width=\"110\" height=\"110\">").arg(beadName.toString());
    const bool planetShown = core::hasPlanetGlyph(number.n);
    if (planetShown) {
        const QUrl planetName(QStringLiteral("planet-%1").arg(number.n));
        document.addResource(
            QTextDocument::ImageResource, planetName, planetPicture(number.n, kPrintPixelRatio).toImage());
        pictures += QStringLiteral("<br><br><img src=\"%1\" width=\"60\" height=\"62\">").arg(planetName.toString());
    }

    const auto& captions = rowCaptions();
    const auto values = rowValues(number.n, *bead);
    html += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\" style=\"margin-top:8px;\">");
    for (std::size_t row = 1; row <= kBeadRows; ++row) {
        html += QStringLiteral("<tr><td width=\"28%\"><b>%1</b></td><td>%2</td>")
                    .arg(captions[row].toHtmlEscaped(),
                        row == 1 ? QStringLiteral("<b>%1</b>").arg(values[row].toHtmlEscaped())
                                 : values[row].toHtmlEscaped());
        if (row == 1) {
            html += QStringLiteral("<td rowspan=\"%1\" width=\"130\" align=\"center\" valign=\"top\">%2</td>")
                        .arg(kBeadRows)
                        .arg(pictures);
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    html += paragraphs("core::Catalogue", bead->Description);
    if (planetShown) {
        html += paragraphs("core::Catalogue", bead->PlanetText);
    }
    return html;
}

QString escapedLines(const QString& text)
{
    return text.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
}

// The chart after the birth number's page: every number in a table with its
// working and bead, the Lo Shu grid drawn with its lines and what its numbers
// say, and the rules the chart follows.
QString chartSection(const core::Reading& reading, const core::Chart& chart, bool holdsAddedNumbers)
{
    const auto words = [](const char* text) { return QCoreApplication::translate("ui::ReadingDocument", text); };
    QString html = QStringLiteral("<h2 style=\"color:%1; page-break-before:always;\">%2</h2>")
                       .arg(kHeadingColour, words(QT_TRANSLATE_NOOP("ui::ReadingDocument", "All numbers")));
    html += QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"4\">");
    for (const ChartNumber& number : chartNumbers(reading, chart)) {
        html += QStringLiteral("<tr><td width=\"28%\"><b>%1</b><br>%2</td><td width=\"6%\" align=\"center\">"
                               "<span style=\"font-size:16pt; font-weight:bold;\">%3</span></td><td>%4</td>"
                               "<td width=\"20%\">%5</td></tr>")
                    .arg(number.name.toHtmlEscaped(), number.source.toHtmlEscaped(),
                        number.number > 0 ? QString::number(number.number) : QStringLiteral("\u2014"),
                        escapedLines(number.number > 0 ? number.working : number.meaning), number.bead.toHtmlEscaped());
    }
    html += QStringLiteral("</table><p><i>%1</i></p>").arg(numbersRule().toHtmlEscaped());

    html += QStringLiteral("<h2 style=\"color:%1;\">%2</h2>")
                .arg(kHeadingColour, words(QT_TRANSLATE_NOOP("ui::ReadingDocument", "Lo Shu grid")));
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"10\">");
    for (const auto& row : core::LoShuSquare) {
        html += QStringLiteral("<tr>");
        for (const int n : row) {
            html += QStringLiteral("<td width=\"70\" height=\"50\" align=\"center\" valign=\"middle\">"
                                   "<span style=\"font-size:16pt; font-weight:bold;\">%1</span></td>")
                        .arg(cellText(n, chart.Grid).toHtmlEscaped());
        }
        html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
    const auto list = [&](const char* title, const QStringList& lines) {
        html += QStringLiteral("<p><b>%1</b></p>").arg(words(title).toHtmlEscaped());
        for (const QString& line : lines) {
            html += QStringLiteral("<p>%1</p>").arg(line.toHtmlEscaped());
        }
    };
    list(QT_TRANSLATE_NOOP("ui::ReadingDocument", "Complete lines"), completeLines(chart.Grid));
    list(QT_TRANSLATE_NOOP("ui::ReadingDocument", "Empty lines"), emptyLines(chart.Grid));
    QStringList notes;
    for (int n = 1; n <= 9; ++n) {
        notes << QStringLiteral("%1  %2").arg(n).arg(numberNote(n, chart.Grid));
    }
    list(QT_TRANSLATE_NOOP("ui::ReadingDocument", "What the numbers say"), notes);
    html += QStringLiteral("<p><i>%1</i></p>").arg(gridRule(holdsAddedNumbers).toHtmlEscaped());
    return html;
}

// A list of the do's or don'ts: its heading, then its lines, spaced as the main
// window shows them.
QString guidance(const core::GuidanceList& list)
{
    const QStringList lines = sys::guidanceCaption(list).split(QLatin1Char('\n'));
    QString html = QStringLiteral("<p style=\"white-space:pre-wrap;\"><b>%1</b>").arg(lines.front().toHtmlEscaped());
    for (qsizetype i = 1; i < lines.size(); ++i) {
        html += QStringLiteral("<br>") + lines[i].toHtmlEscaped();
    }
    return html + QStringLiteral("</p>");
}

std::unique_ptr<QTextDocument> readingDocument(const core::Reading& reading)
{
    auto document = newPaperDocument();
    QString html = paperTitle(QStringLiteral("<b>%1</b><br>%2")
                                  .arg(escaped(reading.PersonName), sys::birthDateText(reading).toHtmlEscaped()));
    html += numberSection(*document,
        {QCoreApplication::translate("ui::ReadingDocument", "Life path number"), reading.LifePathNumber,
            core::lifePathIntroduction(), reading.LifePathText, reading.LifePathWorking},
        false);
    html += numberSection(*document,
        {QCoreApplication::translate("ui::ReadingDocument", "Destiny number"), reading.DestinyNumber,
            core::destinyIntroduction(), reading.DestinyText, reading.DestinyWorking},
        true);

    // The chart, as its window shows it today.
    const bool holdsAddedNumbers = sys::Settings::gridHoldsNumbers();
    const core::Chart chart = core::chartOf(reading, QDate::currentDate().year(), holdsAddedNumbers);
    const int birth = chart.BirthNumber.result();
    html += numberSection(*document,
        {QCoreApplication::translate("ui::ReadingDocument", "Birth number"), birth, core::birthNumberIntroduction(),
            core::birthNumberText(birth), chart.BirthNumber, "core::Chart"},
        true);
    html += chartSection(reading, chart, holdsAddedNumbers);

    const core::GuidanceTexts texts = core::LoadGuidanceTexts();
    html += QStringLiteral("<h2 style=\"color:%1;\">%2</h2>").arg(kHeadingColour, guidanceHeading());
    html += guidance(texts.GuidanceDos) + guidance(texts.GuidanceDonts);

    document->setHtml(QStringLiteral("<html><body>%1</body></html>").arg(html));
    return document;
}

} // namespace

PaperDocument readingPaper(const core::Reading& reading)
{
    return {QStringLiteral("%1: %2").arg(sys::ApplicationTitle(), sys::fromCore(reading.PersonName)),
        [reading] { return readingDocument(reading); },
        [](QTextDocument& document, qreal pageHeight) {
            keepSectionsTogether(document, pageHeight, {guidanceHeading()});
        }};
}

} // namespace ui

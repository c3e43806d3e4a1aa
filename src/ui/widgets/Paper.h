#pragma once

#include <QByteArray>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QPagedPaintDevice;
class QTextDocument;
class QWidget;

// A document on paper, as the reading and the comparison are printed and
// exported: laid out on the device's pages with margins of its own and
// "Page 1 of 3" at the foot of each; a PDF on the paper of the locale; and
// the Export and Print commands that put it there, with their messages.
namespace ui {

struct PaperDocument {
    // The title of the PDF file (shown by a PDF reader).
    QString title;
    // Makes the document, in the reader's language; called once for each
    // device it is laid out on.
    std::function<std::unique_ptr<QTextDocument>()> make;
    // Moves blocks to the next page once the document has the page's size
    // (pageHeight), as keeping a list together asks; may be empty.
    std::function<void(QTextDocument&, qreal pageHeight)> arrange;
};

// The messages of a document's Export and Print: %1 the path or the
// printer's name, %2 the reason.
struct PaperMessages {
    QString notExported; // "The reading could not be exported to \"%1\".\n\n%2"
    QString notPrintedToFile; // "The reading could not be printed to \"%1\".\n\n%2"
    QString notPrinted; // "The reading could not be printed on \"%1\"."
};

// A document as paper wants it: the body font, no margin of its own.
std::unique_ptr<QTextDocument> newPaperDocument();

// The colour of the headings on paper.
QString paperHeadingColour();

// The program's name as the title at the top, then the lines under it.
QString paperTitle(const QString& linesHtml);

// Moves each section of document that begins with one of the headings (in
// the order they stand) and runs to the next or to the end, to the next page
// when it would begin on one page and end on another and fits on one, so that
// it is read whole (a list, a table).
void keepSectionsTogether(QTextDocument& document, qreal pageHeight, const QStringList& headings);

// Lays the document out on the pages of device, a PDF writer or a printer.
// False when the device could not be painted on.
bool printDocumentOn(const PaperDocument& paper, QPagedPaintDevice& device);

// The document as the bytes of a PDF file, fonts embedded, on Letter paper
// where the locale measures in US units and A4 elsewhere, or on the paper and
// in the orientation of page (a printer's); empty when it could not be made.
QByteArray documentPdf(const PaperDocument& paper);
QByteArray documentPdf(const PaperDocument& paper, const QPageLayout& page);

// Export: the PDF written to a file the user picks (the person's name
// suggested), whole or not at all; a failure told over parent.
void exportPaper(QWidget* parent, const QString& personName, const PaperDocument& paper, const PaperMessages& messages);

// Print: the document on a printer the user picks; a printer that writes a
// file writes it as Export does. The print dialog is named "printDialog".
void printPaper(QWidget* parent, const QString& personName, const PaperDocument& paper, const PaperMessages& messages);

} // namespace ui

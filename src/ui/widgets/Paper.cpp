#include "ui/widgets/Paper.h"

#include "system/FileAccess.h"
#include "system/ProgramNames.h"
#include "system/SavedReadings.h"
#include "ui/desktop/FileDialogs.h"
#include "ui/desktop/Messages.h"
#include "ui/widgets/Look.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

namespace ui {
namespace {

// Points: the body text, and the page numbers in the footer.
constexpr double kTextSize = 10;
constexpr double kFooterSize = 8;

// Margins in millimetres, wider than the edge any printer leaves blank.
const QMarginsF kMargins(20, 15, 20, 12);

// Letter where the locale measures in US units, A4 everywhere else.
QPageSize paperOfLocale(const QLocale& locale = QLocale())
{
    return {locale.measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter : QPageSize::A4};
}

// Qt's own print dialog, which opens a file it is to print to, for writing, to
// see whether it can: on a named pipe that open would wait for good. Its OK
// first looks at the name typed, without opening anything, and refuses a pipe,
// a device or a folder there with the reason, the dialog staying open; then
// Qt's own checks run. (The system's own dialog, on Windows, has no such box.)
class PrintDialog final : public QPrintDialog {
public:
    PrintDialog(QPrinter* printer, QWidget* parent, std::function<void(const QString&, const QString&)> refuse)
        : QPrintDialog(printer, parent)
        , m_refuse(std::move(refuse))
    {
        auto* buttons = findChild<QDialogButtonBox*>();
        if (buttons != nullptr && disconnect(buttons, &QDialogButtonBox::accepted, this, nullptr)) {
            connect(buttons, &QDialogButtonBox::accepted, this, &PrintDialog::checkFile);
        }
    }

private:
    void checkFile()
    {
        // The file name box, enabled while the dialog prints to a file.
        const auto* file = findChild<QLineEdit*>(QStringLiteral("filename"));
        if (file != nullptr && file->isEnabled()) {
            if (const QString why = sys::whyNotReplaceable(file->text()); !why.isEmpty()) {
                m_refuse(file->text(), why);
                return;
            }
        }
        // Qt's checks: a name that may not be written, replacing a file.
        if (!QMetaObject::invokeMethod(this, "_q_checkFields")) {
            accept();
        }
    }

    std::function<void(const QString&, const QString&)> m_refuse;
};

void showFileError(QWidget* parent, const QString& message, const QString& path, const QString& reason)
{
    showMessage(parent, message.arg(QDir::toNativeSeparators(path), reason), MessageIcon::Error);
}

// Writes the document's PDF to path, the whole document first, then the file
// whole or not at all; where it cannot, tells why with failure.
void writePdf(QWidget* parent, const QString& path, const QByteArray& pdf, const QString& failure)
{
    const QString error = pdf.isEmpty()
        ? QCoreApplication::translate("ui::Paper", "The PDF document could not be made.")
        : sys::writeWholeFile(path, pdf);
    if (!error.isEmpty()) {
        showFileError(parent, failure, path, error);
    }
}

} // namespace

std::unique_ptr<QTextDocument> newPaperDocument()
{
    auto document = std::make_unique<QTextDocument>();
    QFont font = programFont(kTextSize);
    // Any letter spacing turns the "fi" and "ff" ligatures off, so that a
    // search of the PDF for "confidence" finds the word. A twentieth of a
    // pixel is too little to see, and just above what a QFont keeps (1/64).
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    document->setDefaultFont(font);
    document->setDocumentMargin(0);
    return document;
}

QString paperHeadingColour()
{
    return QStringLiteral("#c05000");
}

QString paperTitle(const QString& linesHtml)
{
    return QStringLiteral("<h1 align=\"center\" style=\"color:%1;\">%2</h1>"
                          "<p align=\"center\" style=\"font-size:14pt;\">%3</p>")
        .arg(paperHeadingColour(), sys::ApplicationTitle().toHtmlEscaped(), linesHtml);
}

void keepSectionsTogether(QTextDocument& document, qreal pageHeight, const QStringList& headings)
{
    // Each heading searched for from the end: the name at the top could read the same.
    QList<QTextBlock> starts;
    for (const QString& heading : headings) {
        const QTextBlock block = document.find(heading, document.characterCount(), QTextDocument::FindBackward).block();
        if (block.isValid() && block.text() == heading) {
            starts.append(block);
        }
    }
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    for (qsizetype i = 0; i < starts.size(); ++i) {
        // Where the section ends: above the next heading, or at the end.
        const qreal top = layout->blockBoundingRect(starts[i]).top();
        const qreal bottom = i + 1 < starts.size() ? layout->blockBoundingRect(starts[i + 1]).top()
                                                   : layout->blockBoundingRect(document.lastBlock()).bottom();
        if (std::floor(top / pageHeight) != std::floor((bottom - 1) / pageHeight) && bottom - top < pageHeight) {
            QTextBlockFormat format;
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            QTextCursor(starts[i]).mergeBlockFormat(format);
        }
    }
}

bool printDocumentOn(const PaperDocument& paper, QPagedPaintDevice& device)
{
    device.setPageMargins(kMargins, QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    // Laid out for the device, so that points and pictures keep their size.
    const std::unique_ptr<QTextDocument> document = paper.make();
    QAbstractTextDocumentLayout* layout = document->documentLayout();
    layout->setPaintDevice(&device);

    const QFont footerFont = programFont(kFooterSize);
    const QFontMetricsF footerMetrics(footerFont, &device);
    const qreal width = device.width();
    const qreal height = device.height();
    // The body ends two footer lines above the foot of the printable area.
    const qreal bodyHeight = height - 2 * footerMetrics.height();
    document->setPageSize(QSizeF(width, bodyHeight));
    if (paper.arrange) {
        paper.arrange(*document, bodyHeight);
    }
    const int pages = document->pageCount();

    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    for (int page = 0; page < pages; ++page) {
        if (page > 0 && !device.newPage()) {
            return false;
        }
        const qreal top = page * bodyHeight;
        context.clip = QRectF(0, top, width, bodyHeight);
        painter.save();
        painter.translate(0, -top);
        painter.setClipRect(context.clip);
        layout->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, height - footerMetrics.height(), width, footerMetrics.height()),
            Qt::AlignHCenter | Qt::AlignBottom,
            QCoreApplication::translate("ui::Paper", "Page %1 of %2").arg(page + 1).arg(pages));
    }
    return painter.end();
}

QByteArray documentPdf(const PaperDocument& paper)
{
    return documentPdf(paper, QPageLayout(paperOfLocale(), QPageLayout::Portrait, QMarginsF()));
}

QByteArray documentPdf(const PaperDocument& paper, const QPageLayout& page)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly)) {
        return {};
    }
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(page.pageSize());
        writer.setPageOrientation(page.orientation());
        writer.setCreator(sys::ApplicationTitle());
        writer.setTitle(paper.title);
        if (!printDocumentOn(paper, writer)) {
            return {};
        }
    }
    buffer.close();
    return bytes;
}

void exportPaper(QWidget* parent, const QString& personName, const PaperDocument& paper, const PaperMessages& messages)
{
    const QString path = choosePdfToExport(parent, personName);
    if (!path.isEmpty()) {
        writePdf(parent, path, documentPdf(paper), messages.notExported);
    }
}

void printPaper(QWidget* parent, const QString& personName, const PaperDocument& paper, const PaperMessages& messages)
{
    QPrinter printer(QPrinter::HighResolution);
    // The name of the job, and of the file a printer that writes files suggests.
    printer.setDocName(sys::suggestedPdfName(personName));
    PrintDialog dialog(&printer, parent, [parent, &messages](const QString& path, const QString& why) {
        showFileError(parent, messages.notPrintedToFile, path, why);
    });
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // A printer that writes a file writes it as Export does.
        writePdf(parent, printer.outputFileName(), documentPdf(paper, printer.pageLayout()), messages.notPrintedToFile);
        return;
    }
    if (!printDocumentOn(paper, printer)) {
        showMessage(parent, messages.notPrinted.arg(printer.printerName()), MessageIcon::Error);
    }
}

} // namespace ui

#include "ui/result/frmRudrakshNumerologyResult.h"

#include "core/catalogue/BeadCatalogue.h"
#include "core/storage/ReadingFileLayout.h"
#include "system/CoreText.h"
#include "system/FileAccess.h"
#include "system/ReadingFolder.h"
#include "system/RecentReadings.h"
#include "system/SavedReadings.h"
#include "ui/chart/frmChart.h"
#include "ui/desktop/FileDialogs.h"
#include "ui/desktop/Messages.h"
#include "ui/result/ReadingDocument.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/PromotionStrip.h"
#include "ui/widgets/ReadingPage.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QDir>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QStackedLayout>
#include <QTabBar>
#include <QVBoxLayout>

#include <functional>

namespace ui {
namespace {

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

} // namespace

frmRudrakshNumerologyResult::frmRudrakshNumerologyResult()
    : WindowFrame(QStringLiteral("frmRudrakshNumerologyResult"), QSize(9105, 6765), QStringLiteral("Label61"), 4965)
{
    createMenus();
    createPages();
    createButtons();
    layOutControls();
    connectControls();
    fraLifePath->showPlaceholders();
    fraDestiny->showPlaceholders();
    // Tab 1, the life path page, is in front at load.
    TS->setCurrentIndex(0);
    selectPage(0);
}

void frmRudrakshNumerologyResult::createMenus()
{
    QMenu* mnuFile = fileMenu();
    mnuBack = named(mnuFile->addAction(tr("&Back")), QStringLiteral("mnuBack"));
    mnuBack->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_W));
    mnuChart = named(mnuFile->addAction(tr("&Chart…")), QStringLiteral("mnuChart"));
    mnuChart->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_K));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFile1"));
    mnuExport = named(mnuFile->addAction(tr("&Export as PDF…")), QStringLiteral("mnuExport"));
    mnuPrint = named(mnuFile->addAction(tr("&Print…")), QStringLiteral("mnuPrint"));
    mnuPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFile2"));
    addExitEntry();

    connect(mnuBack, &QAction::triggered, this, &frmRudrakshNumerologyResult::goBack);
    connect(mnuChart, &QAction::triggered, this, &frmRudrakshNumerologyResult::showChart);
    connect(mnuExport, &QAction::triggered, this, &frmRudrakshNumerologyResult::exportReading);
    connect(mnuPrint, &QAction::triggered, this, &frmRudrakshNumerologyResult::printReading);
}

void frmRudrakshNumerologyResult::createPages()
{
    TS = named(new QTabBar(central()), QStringLiteral("TS"));
    TS->addTab(tr("Rudraksh Based On Life Path Number"));
    TS->addTab(tr("Rudraksh Based On Destiny Number"));
    TS->setExpanding(false);
    TS->setDrawBase(true);

    // Children of the window from the start, so they have its font when sized.
    fraLifePath = named(new ReadingPage(ReadingPage::Number::LifePath, this), QStringLiteral("fraLifePath"));
    fraDestiny = named(new ReadingPage(ReadingPage::Number::Destiny, this), QStringLiteral("fraDestiny"));
    m_pagesWidget = new QWidget(central());
    m_pages = new QStackedLayout(m_pagesWidget);
    m_pages->addWidget(fraLifePath);
    m_pages->addWidget(fraDestiny);
}

void frmRudrakshNumerologyResult::createButtons()
{
    fraFullBrand = new PromotionStrip(programFont(NormalPointSize, true, true), central());

    cmdSave = named(new QPushButton(tr("&Save"), central()), QStringLiteral("cmdSave"));
    cmdBack = named(new QPushButton(tr("&Back"), central()), QStringLiteral("cmdBack"));
    cmdChart = named(new QPushButton(tr("&Chart"), central()), QStringLiteral("cmdChart"));
    for (QPushButton* button : {cmdChart, cmdBack, cmdSave}) {
        button->setFont(programFont(NormalPointSize, true));
        button->setMinimumSize(px(900), px(400));
        setColours(button, Colours::Black, Colours::ButtonGrey);
    }
}

void frmRudrakshNumerologyResult::layOutControls()
{
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(px(60));
    bottom->addWidget(fraFullBrand, 1);
    bottom->addWidget(cmdChart, 0, Qt::AlignVCenter);
    bottom->addWidget(cmdBack, 0, Qt::AlignVCenter);
    bottom->addWidget(cmdSave, 0, Qt::AlignVCenter);

    QVBoxLayout* layout = column();
    layout->setContentsMargins(0, 0, px(90), px(30));
    layout->setSpacing(px(30));
    layout->addWidget(TS);
    layout->addWidget(m_pagesWidget, 1);
    layout->addLayout(bottom);
}

void frmRudrakshNumerologyResult::connectControls()
{
    connect(TS, &QTabBar::currentChanged, this, &frmRudrakshNumerologyResult::selectPage);
    connect(cmdSave, &QPushButton::clicked, this, &frmRudrakshNumerologyResult::SaveReading);
    connect(cmdBack, &QPushButton::clicked, this, &frmRudrakshNumerologyResult::goBack);
    connect(cmdChart, &QPushButton::clicked, this, &frmRudrakshNumerologyResult::showChart);
    // Ctrl+S saves as the button does, beside its access key.
    connect(
        new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_S), this), &QShortcut::activated, cmdSave, &QPushButton::click);

    // Ctrl+Tab and Ctrl+Shift+Tab switch pages from anywhere in the window.
    for (const QKeySequence& keys :
        {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this] { TS->setCurrentIndex(1 - TS->currentIndex()); });
    }

    QWidget* previous = TS;
    for (const ReadingPage* page : {fraLifePath, fraDestiny}) {
        for (QPlainTextEdit* box : page->textBoxes()) {
            setTabOrder(previous, box);
            previous = box;
        }
    }
    setTabOrder(previous, cmdChart);
    setTabOrder(cmdChart, cmdBack);
    setTabOrder(cmdBack, cmdSave);
    setTabOrder(cmdSave, banner());
    fraFullBrand->placeInTabOrderAfter(banner());
}

void frmRudrakshNumerologyResult::showReading(const core::Reading& reading)
{
    m_reading = reading;
    ComposeReading(reading);
    show();
    // The rows that wrap around the reading's words are measured at the
    // window's width, which it has only once shown: its minimum (and so its
    // height, where that is less) is taken again from them.
    layout()->invalidate();
    layout()->activate();
}

void frmRudrakshNumerologyResult::ComposeReading(const core::Reading& reading)
{
    if (const core::BeadRecord* bead = core::beadRow(reading.LifePathNumber)) {
        fraLifePath->showNumber(reading.LifePathNumber, reading.LifePathText, *bead, reading.LifePathWorking);
    }
    if (const core::BeadRecord* bead = core::beadRow(reading.DestinyNumber)) {
        fraDestiny->showNumber(reading.DestinyNumber, reading.DestinyText, *bead, reading.DestinyWorking);
    }
}

void frmRudrakshNumerologyResult::selectPage(int index)
{
    if (index < 0) {
        return;
    }
    m_pages->setCurrentWidget(index == 0 ? fraLifePath : fraDestiny);
}

void frmRudrakshNumerologyResult::showChart()
{
    frmChart::showModal(this, m_reading);
}

void frmRudrakshNumerologyResult::goBack()
{
    emit backRequested();
    closeForHandOver();
}

void frmRudrakshNumerologyResult::showFileError(const QString& message, const QString& path, const QString& reason)
{
    showMessage(this, message.arg(QDir::toNativeSeparators(path), reason), MessageIcon::Error);
}

void frmRudrakshNumerologyResult::SaveReading()
{
    if (!acceptLettersLeftOut()) {
        return;
    }
    const QString path = chooseReadingToSave(this);
    if (path.isEmpty()) {
        return;
    }
    const QString error = sys::writeReadingFile(path, m_reading);
    if (!error.isEmpty()) {
        showFileError(tr("The reading could not be saved to \"%1\".\n\n%2"), path, error);
        return;
    }
    sys::noteRecentReading(path, sys::fromCore(m_reading.PersonName));
    sys::noteReadingSavedAt(path);
}

bool frmRudrakshNumerologyResult::acceptLettersLeftOut()
{
    const QStringList letters = sys::lettersAReadingFileCannotHold(sys::fromCore(m_reading.PersonName));
    if (letters.isEmpty()) {
        return true;
    }
    return askToSaveAnyway(this,
        tr("A reading file cannot hold these letters of the name: %1\n\nIt will be saved as \"%2\".")
            .arg(letters.join(QLatin1Char(' ')), sys::fromCore(core::textAsSaved(m_reading.PersonName))));
}

void frmRudrakshNumerologyResult::exportReading()
{
    const QString path = choosePdfToExport(this, sys::fromCore(m_reading.PersonName));
    if (!path.isEmpty()) {
        writePdf(path, readingPdf(m_reading), tr("The reading could not be exported to \"%1\".\n\n%2"));
    }
}

void frmRudrakshNumerologyResult::writePdf(const QString& path, const QByteArray& pdf, const QString& failure)
{
    // The whole document first, then the file whole or not at all.
    const QString error = pdf.isEmpty() ? tr("The PDF document could not be made.") : sys::writeWholeFile(path, pdf);
    if (!error.isEmpty()) {
        showFileError(failure, path, error);
    }
}

void frmRudrakshNumerologyResult::printReading()
{
    QPrinter printer(QPrinter::HighResolution);
    // The name of the job, and of the file a printer that writes files suggests.
    printer.setDocName(sys::suggestedPdfName(sys::fromCore(m_reading.PersonName)));
    const QString failure = tr("The reading could not be printed to \"%1\".\n\n%2");
    PrintDialog dialog(&printer, this,
        [this, &failure](const QString& path, const QString& why) { showFileError(failure, path, why); });
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        // A printer that writes a file writes it as Export does.
        writePdf(printer.outputFileName(), readingPdf(m_reading, printer.pageLayout()), failure);
        return;
    }
    if (!printReadingOn(m_reading, printer)) {
        showMessage(
            this, tr("The reading could not be printed on \"%1\".").arg(printer.printerName()), MessageIcon::Error);
    }
}

} // namespace ui

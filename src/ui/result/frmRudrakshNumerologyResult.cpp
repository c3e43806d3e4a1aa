#include "ui/result/frmRudrakshNumerologyResult.h"

#include "core/catalogue/BeadCatalogue.h"
#include "core/numerology/Working.h"
#include "core/storage/ReadingFile.h"
#include "ui/platform/Messages.h"
#include "ui/platform/Program.h"
#include "ui/platform/ReadingFiles.h"
#include "ui/result/ReadingDocument.h"
#include "ui/result/ReadingPage.h"
#include "ui/widgets/ForumBanner.h"
#include "ui/widgets/HelpMenu.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/PromotionStrip.h"
#include "ui/widgets/UiText.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QStackedLayout>
#include <QTabBar>
#include <QVBoxLayout>

namespace ui {

frmRudrakshNumerologyResult::frmRudrakshNumerologyResult(QWidget* parent)
    : QMainWindow(parent)
{
    setUpWorkingWindow(this, QStringLiteral("frmRudrakshNumerologyResult"));
    CreateMenus();
    CreateControls();
    fraLifePath->showPlaceholders();
    fraDestiny->showPlaceholders();
    // Tab 1, the life path page, is in front at load.
    TS->setCurrentIndex(0);
    TS_Click(0);
}

void frmRudrakshNumerologyResult::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    mnuFile = named(bar->addMenu(QStringLiteral("&File")), QStringLiteral("mnuFile"));
    mnuBack = named(mnuFile->addAction(QStringLiteral("&Back")), QStringLiteral("mnuBack"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFile1"));
    mnuExport = named(mnuFile->addAction(QStringLiteral("&Export as PDF\u2026")), QStringLiteral("mnuExport"));
    mnuPrint = named(mnuFile->addAction(QStringLiteral("&Print\u2026")), QStringLiteral("mnuPrint"));
    mnuPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFile2"));
    mnuExit = named(mnuFile->addAction(QStringLiteral("E&xit")), QStringLiteral("mnuExit"));
    addHelpMenu(this);

    connect(mnuBack, &QAction::triggered, this, &frmRudrakshNumerologyResult::Back);
    connect(mnuExport, &QAction::triggered, this, &frmRudrakshNumerologyResult::ExportReading);
    connect(mnuPrint, &QAction::triggered, this, &frmRudrakshNumerologyResult::PrintReading);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
}

void frmRudrakshNumerologyResult::CreateControls()
{
    auto* central = named(new QWidget(this), QStringLiteral("centralWidget"));
    // At least the design's client area; more where the font needs room.
    central->setMinimumSize(px(9105), px(6765));
    setCentralWidget(central);

    Label61 = createForumBanner(central, QStringLiteral("Label61"), 4965);

    TS = named(new QTabBar(central), QStringLiteral("TS"));
    TS->addTab(QStringLiteral("Rudraksh Based On Life Path Number"));
    TS->addTab(QStringLiteral("Rudraksh Based On Destiny Number"));
    TS->setExpanding(false);
    TS->setDrawBase(true);

    // Children of the window from the start, so they have its font when sized.
    fraLifePath = named(new ReadingPage(ReadingPage::Number::LifePath, this), QStringLiteral("fraLifePath"));
    fraDestiny = named(new ReadingPage(ReadingPage::Number::Destiny, this), QStringLiteral("fraDestiny"));
    auto* pages = new QWidget(central);
    m_pages = new QStackedLayout(pages);
    m_pages->addWidget(fraLifePath);
    m_pages->addWidget(fraDestiny);

    fraFullBrand = new PromotionStrip(programFont(NormalPointSize, true, true), central);

    cmdSave = named(new QPushButton(QStringLiteral("&Save"), central), QStringLiteral("cmdSave"));
    cmdBack = named(new QPushButton(QStringLiteral("&Back"), central), QStringLiteral("cmdBack"));
    for (QPushButton* button : {cmdBack, cmdSave}) {
        button->setFont(programFont(NormalPointSize, true));
        button->setMinimumSize(px(900), px(400));
        setColours(button, Colours::Black, Colours::ButtonGrey);
    }

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(px(60));
    bottom->addWidget(fraFullBrand, 1);
    bottom->addWidget(cmdBack, 0, Qt::AlignVCenter);
    bottom->addWidget(cmdSave, 0, Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, px(90), px(30));
    layout->setSpacing(px(30));
    auto* banner = new QHBoxLayout;
    banner->addStretch();
    banner->addWidget(Label61, 4);
    banner->addStretch();
    layout->addLayout(banner);
    layout->addWidget(TS);
    layout->addWidget(pages, 1);
    layout->addLayout(bottom);

    connect(TS, &QTabBar::currentChanged, this, &frmRudrakshNumerologyResult::TS_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmRudrakshNumerologyResult::SaveReading);
    connect(cmdBack, &QPushButton::clicked, this, &frmRudrakshNumerologyResult::Back);

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
    setTabOrder(previous, cmdBack);
    setTabOrder(cmdBack, cmdSave);
    setTabOrder(cmdSave, Label61);
    fraFullBrand->placeInTabOrderAfter(Label61);
}

void frmRudrakshNumerologyResult::showReading(const core::Reading& reading)
{
    m_reading = reading;
    ComposeReading(reading);
    show();
}

void frmRudrakshNumerologyResult::ComposeReading(const core::Reading& reading)
{
    if (const core::BeadRecord* bead = core::beadRow(reading.LifePathNumber)) {
        fraLifePath->showNumber(reading.LifePathNumber, reading.LifePathText, *bead, core::lifePathWorking(reading));
    }
    if (const core::BeadRecord* bead = core::beadRow(reading.DestinyNumber)) {
        fraDestiny->showNumber(
            reading.DestinyNumber, reading.DestinyText, *bead, core::destinyWorking(reading.PersonName));
    }
}

void frmRudrakshNumerologyResult::TS_Click(int index)
{
    if (index < 0) {
        return;
    }
    m_pages->setCurrentWidget(index == 0 ? fraLifePath : fraDestiny);
}

void frmRudrakshNumerologyResult::Back()
{
    emit backRequested();
    m_backClose = true;
    close();
}

void frmRudrakshNumerologyResult::closeEvent(QCloseEvent* event)
{
    event->accept();
    if (!m_backClose) {
        EndProgram();
    }
}

void frmRudrakshNumerologyResult::showFileError(const QString& done, const QString& path, const QString& reason)
{
    showMessage(this,
        QStringLiteral("The reading could not be %1 \"%2\".\n\n%3").arg(done, QDir::toNativeSeparators(path), reason),
        MessageIcon::Error);
}

void frmRudrakshNumerologyResult::SaveReading()
{
    const QString path = chooseReadingToSave(this);
    if (path.isEmpty()) {
        return;
    }
    const auto fail = [this, &path](const QString& reason) { showFileError(QStringLiteral("saved to"), path, reason); };
    const auto bytes = core::readingFileBytes(m_reading);
    if (!bytes) {
        fail(QStringLiteral("The name is longer than a reading file can hold."));
        return;
    }
    const QString error = writeWholeFile(path, QByteArray::fromStdString(*bytes));
    if (!error.isEmpty()) {
        fail(error);
    }
}

void frmRudrakshNumerologyResult::ExportReading()
{
    const QString path = choosePdfToExport(this, fromCore(m_reading.PersonName));
    if (path.isEmpty()) {
        return;
    }
    const QByteArray pdf = readingPdf(m_reading);
    const QString error
        = pdf.isEmpty() ? QStringLiteral("The PDF document could not be made.") : writeWholeFile(path, pdf);
    if (!error.isEmpty()) {
        showFileError(QStringLiteral("exported to"), path, error);
    }
}

void frmRudrakshNumerologyResult::PrintReading()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("%1: %2").arg(ApplicationTitle(), fromCore(m_reading.PersonName)));
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("printDialog"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    if (!printReading(m_reading, printer)) {
        showMessage(this, QStringLiteral("The reading could not be printed on \"%1\".").arg(printer.printerName()),
            MessageIcon::Error);
    }
}

} // namespace ui

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
#include "ui/widgets/FrontPageLayout.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/PromotionStrip.h"
#include "ui/widgets/ReadingPage.h"

#include <QAction>
#include <QDir>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QVBoxLayout>

namespace ui {
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
    m_pages = new FrontPageLayout(m_pagesWidget);
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

void frmRudrakshNumerologyResult::showComparison(const core::ReadingInput& other)
{
    frmChart::showModal(this, m_reading, frmChart::Tab::Compatibility, other);
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

PaperMessages frmRudrakshNumerologyResult::paperMessages()
{
    return {tr("The reading could not be exported to \"%1\".\n\n%2"),
        tr("The reading could not be printed to \"%1\".\n\n%2"), tr("The reading could not be printed on \"%1\".")};
}

void frmRudrakshNumerologyResult::exportReading()
{
    exportPaper(this, sys::fromCore(m_reading.PersonName), readingPaper(m_reading), paperMessages());
}

void frmRudrakshNumerologyResult::printReading()
{
    printPaper(this, sys::fromCore(m_reading.PersonName), readingPaper(m_reading), paperMessages());
}

} // namespace ui

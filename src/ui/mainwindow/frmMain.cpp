#include "ui/mainwindow/frmMain.h"

#include "core/catalogue/GuidanceTexts.h"
#include "system/CoreText.h"
#include "system/FileAccess.h"
#include "system/RecentReadings.h"
#include "system/SavedReadings.h"
#include "ui/desktop/FileDialogs.h"
#include "ui/desktop/Messages.h"
#include "ui/desktop/RecentReadingsMenu.h"
#include "ui/register/frmReadings.h"
#include "ui/widgets/AfterPaint.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/PersonInputs.h"
#include "ui/widgets/PromotionStrip.h"
#include "ui/widgets/WrappingLabel.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace ui {

frmMain::frmMain()
    : WindowFrame(QStringLiteral("frmMain"), QSize(8640, 5685), QStringLiteral("Label14"), 5190)
{
    setAcceptDrops(true);
    // The register of saved readings, above the recent ones.
    QAction* mnuReadings = named(fileMenu()->addAction(tr("&Readings\u2026")), QStringLiteral("mnuReadings"));
    mnuReadings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    connect(mnuReadings, &QAction::triggered, this, &frmMain::showReadings);
    // The last readings opened or saved, before Exit; one that is refused leaves the list.
    connect(new RecentReadingsMenu(fileMenu(), addExitEntry()), &RecentReadingsMenu::chosen, this,
        [this](const QString& path) {
            if (!openReadingFile(path)) {
                sys::forgetRecentReading(path);
            }
        });
    createGuidanceLabels();
    createInputs();
    createButtons();
    layOutControls();
    connectControls();
    loadForm();
}

void frmMain::createGuidanceLabels()
{
    for (const int index : {1, 2}) {
        QLabel* label = named(new WrappingLabel(central()), QStringLiteral("lblLabel_%1").arg(index));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setMargin(px(30));
        label->setFixedWidth(px(4335));
        setColours(label, Colours::Orange, Colours::DarkGrey);
        lblLabel[static_cast<std::size_t>(index)] = label;
    }
    lblLabel[1]->setMinimumHeight(px(1755));
    lblLabel[2]->setMinimumHeight(px(1935));
}

void frmMain::createInputs()
{
    fraDetails = named(new QGroupBox(tr("Personal Details"), central()), QStringLiteral("fraDetails"));
    fraDetails->setFont(programFont(NormalPointSize, true));
    setColours(fraDetails, Colours::Orange, Colours::Black);

    Label1 = named(new QLabel(tr("Name"), fraDetails), QStringLiteral("Label1"));
    Label2 = named(new QLabel(tr("Birth Date"), fraDetails), QStringLiteral("Label2"));
    m_inputs = createPersonInputs(fraDetails);
    txtName = m_inputs.name;
    cboDate = m_inputs.day;
    cboMonth = m_inputs.month;
    cboYear = m_inputs.year;
    for (QLabel* label : {Label1, Label2}) {
        label->setFont(programFont());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setColours(label, Colours::Orange);
    }
    Label1->setBuddy(txtName);
    Label2->setBuddy(cboDate);

    auto* details = new QGridLayout(fraDetails);
    details->setContentsMargins(px(105), px(150), px(90), px(150));
    details->setHorizontalSpacing(px(75));
    details->setVerticalSpacing(px(105));
    details->addWidget(Label1, 0, 0);
    details->addWidget(txtName, 0, 1, 1, 3);
    details->addWidget(Label2, 1, 0);
    details->addWidget(cboDate, 1, 1);
    details->addWidget(cboMonth, 1, 2);
    details->addWidget(cboYear, 1, 3);
    details->setColumnStretch(2, 1);
}

void frmMain::createButtons()
{
    cmdOpen = named(new QPushButton(tr("&Open Previously Saved Reading"), central()), QStringLiteral("cmdOpen"));
    cmdOpen->setFont(programFont(9.75, true));
    cmdOpen->setMinimumHeight(px(585));

    Label4 = named(new WrappingLabel(tr("Enter your name and date of birth to get your VQ Rudraksha "
                                        "Numerology Reading!"),
                       central()),
        QStringLiteral("Label4"));
    Label4->setFont(programFont(NormalPointSize, true));
    Label4->setWordWrap(true);
    setColours(Label4, Colours::DarkTeal);

    cmdProceed
        = named(new QPushButton(tr("&Get My Rudraksha Numerology Reading"), central()), QStringLiteral("cmdProceed"));
    cmdProceed->setFont(programFont(NormalPointSize, true));
    cmdProceed->setMinimumHeight(px(375));
    for (QPushButton* button : {cmdOpen, cmdProceed}) {
        setColours(button, Colours::Black, Colours::ButtonGrey);
    }

    // The offers in the plain font here; the result window's are bold and underlined.
    fraFullBrand = new PromotionStrip(programFont(), central());
}

void frmMain::layOutControls()
{
    auto* guidance = new QVBoxLayout;
    guidance->setSpacing(px(45));
    guidance->addWidget(lblLabel[1]);
    guidance->addWidget(lblLabel[2]);
    guidance->addStretch();

    auto* input = new QVBoxLayout;
    input->setSpacing(0);
    input->addSpacing(px(30));
    input->addWidget(cmdOpen);
    input->addStretch(1);
    input->addWidget(Label4);
    input->addSpacing(px(120));
    input->addWidget(fraDetails);
    input->addStretch(1);
    input->addWidget(cmdProceed);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(px(45));
    columns->addLayout(guidance);
    columns->addLayout(input, 1);

    QVBoxLayout* layout = column();
    layout->setContentsMargins(px(60), px(30), px(60), 0);
    layout->setSpacing(px(150));
    layout->addLayout(columns, 1);
    // The strip runs from edge to edge at the bottom of the window.
    layout->addWidget(fraFullBrand, 0);
}

void frmMain::connectControls()
{
    setTabOrder(txtName, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setTabOrder(cboYear, cmdProceed);
    setTabOrder(cmdProceed, cmdOpen);
    setTabOrder(cmdOpen, banner());
    fraFullBrand->placeInTabOrderAfter(banner());

    connect(cmdProceed, &QPushButton::clicked, this, &frmMain::proceed);
    // Enter in the name box asks for the reading, as the button does.
    connect(txtName, &QLineEdit::returnPressed, cmdProceed, &QPushButton::click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::OpenReading);
    // Ctrl+O opens a reading as the button does, beside its access key.
    connect(
        new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_O), this), &QShortcut::activated, cmdOpen, &QPushButton::click);
}

void frmMain::loadForm()
{
    const auto texts = core::LoadGuidanceTexts();
    lblLabel[1]->setText(sys::guidanceCaption(texts.GuidanceDos));
    lblLabel[2]->setText(sys::guidanceCaption(texts.GuidanceDonts));

    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
    txtName->setFocus();
}

void frmMain::showCoBrandOffer(bool coBrand)
{
    fraFullBrand->showCoBrandOffer(coBrand);
}

bool frmMain::Validate_Input(const core::ReadingInput& input)
{
    return checkInput(this, input, txtName);
}

void frmMain::proceed()
{
    const core::ReadingInput input = typedInput(m_inputs);
    if (Validate_Input(input)) {
        handOver(input);
    }
}

void frmMain::OpenReading()
{
    const QString path = chooseReadingToOpen(this);
    if (!path.isEmpty()) {
        openReadingFile(path);
    }
}

bool frmMain::openReadingFile(const QString& path)
{
    const std::optional<core::ReadingInput> input = sys::readReadingFile(path);
    if (!input) {
        refuseReadingFile(this);
        return false;
    }
    handOver(*input);
    // Listed among the recent readings once the reading is on screen: the
    // record is two files written through to the disk.
    ui::afterNextPaint([path, name = sys::fromCore(input->PersonName)] { sys::noteRecentReading(path, name); }, true);
    return true;
}

void frmMain::showReadings()
{
    frmReadings readings(this);
    if (readings.exec() != QDialog::Accepted) {
        return;
    }
    const QStringList chosen = readings.chosen();
    if (chosen.size() == 1) {
        openReadingFile(chosen.front());
    } else if (chosen.size() == 2) {
        compareReadingFiles(chosen.at(0), chosen.at(1));
    }
}

void frmMain::compareReadingFiles(const QString& first, const QString& second)
{
    const std::optional<core::ReadingInput> one = sys::readReadingFile(first);
    const std::optional<core::ReadingInput> two = one ? sys::readReadingFile(second) : std::nullopt;
    if (!one || !two) {
        showMessage(this, tr("Please Check The File."), MessageIcon::Error);
        return;
    }
    // Listed among the recent readings once on screen, as an opened reading
    // is; the first noted last, so that it heads them.
    ui::afterNextPaint(
        [first, second, firstName = sys::fromCore(one->PersonName), secondName = sys::fromCore(two->PersonName)] {
            sys::noteRecentReading(second, secondName);
            sys::noteRecentReading(first, firstName);
        },
        true);
    emit comparisonRequested(*one, *two);
    closeForHandOver();
}

namespace {

// The one local file the drag carries when it is a reading file, else nothing.
QString droppedReading(const QMimeData* data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile()) {
        return {};
    }
    const QString path = sys::pathFromUrl(urls.front());
    return sys::isReadingFileName(path) ? path : QString();
}

} // namespace

void frmMain::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedReading(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void frmMain::dropEvent(QDropEvent* event)
{
    const QString path = droppedReading(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over, so that a message does not hold up the
    // program the file came from.
    QMetaObject::invokeMethod(
        this, [this, path] { openReadingFile(path); }, Qt::QueuedConnection);
}

void frmMain::handOver(const core::ReadingInput& input)
{
    emit readingRequested(input);
    closeForHandOver();
}

} // namespace ui

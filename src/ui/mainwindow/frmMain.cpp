#include "ui/mainwindow/frmMain.h"

#include "core/catalogue/GuidanceTexts.h"
#include "core/numerology/BirthDate.h"
#include "core/numerology/ReadingCheck.h"
#include "core/storage/TextCodec.h"
#include "system/CoreText.h"
#include "system/FileAccess.h"
#include "system/RecentReadings.h"
#include "system/SavedReadings.h"
#include "ui/desktop/FileDialogs.h"
#include "ui/desktop/Messages.h"
#include "ui/desktop/RecentReadingsMenu.h"
#include "ui/register/frmReadings.h"
#include "ui/widgets/LinkLabel.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/PromotionStrip.h"

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
namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

// The name without leading and trailing spaces; other characters stay.
QString trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' ')) {
        ++first;
    }
    while (last > first && text.at(last - 1) == QLatin1Char(' ')) {
        --last;
    }
    return text.mid(first, last - first);
}

} // namespace

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
        QLabel* label = named(new QLabel(central()), QStringLiteral("lblLabel_%1").arg(index));
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
    txtName = named(new QLineEdit(fraDetails), QStringLiteral("txtName"));
    cboDate = named(new QComboBox(fraDetails), QStringLiteral("cboDate"));
    cboMonth = named(new QComboBox(fraDetails), QStringLiteral("cboMonth"));
    cboYear = named(new QComboBox(fraDetails), QStringLiteral("cboYear"));
    for (QLabel* label : {Label1, Label2}) {
        label->setFont(programFont());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setColours(label, Colours::Orange);
    }
    for (QWidget* input : std::initializer_list<QWidget*>{txtName, cboDate, cboMonth, cboYear}) {
        input->setFont(programFont());
        setColours(input, Colours::White, Colours::DarkGrey);
    }
    txtName->setAccessibleName(tr("Name"));
    // No longer than a reading file can hold, so every reading can be saved.
    txtName->setMaxLength(static_cast<int>(core::MaxTextLength));
    // On Linux a drop-down list is named by its entry, so the description says what it is.
    for (const auto& [list, name] : {std::pair{cboDate, tr("Birth day")}, std::pair{cboMonth, tr("Birth month")},
             std::pair{cboYear, tr("Birth year")}}) {
        list->setAccessibleName(name);
        list->setAccessibleDescription(name);
    }
    Label1->setBuddy(txtName);
    Label2->setBuddy(cboDate);
    cboDate->setMinimumWidth(px(495));
    cboMonth->setMinimumWidth(px(1425));
    cboYear->setMinimumWidth(px(825));
    // Sized by their longest entry ("September", "2050") without measuring every entry.
    for (const auto& [list, characters] : {std::pair{cboDate, 2}, std::pair{cboMonth, 9}, std::pair{cboYear, 4}}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(characters);
        // The list that drops down keeps the box's colours.
        setColours(list->view(), Colours::White, Colours::DarkGrey);
    }

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

    Label4 = named(new QLabel(tr("Enter your name and date of birth to get your VQ Rudraksha "
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
    for (int day = 1; day <= 31; ++day) {
        cboDate->addItem(QString::number(day));
    }
    for (int month = 1; month <= 12; ++month) {
        cboMonth->addItem(sys::translatedCore("core::Calendar", core::monthName(month)));
    }
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        cboYear->addItem(QString::number(year));
    }

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

core::ReadingInput frmMain::typedInput() const
{
    core::ReadingInput input;
    input.PersonName = trimSpaces(txtName->text()).toStdString();
    input.BirthDay = static_cast<std::int16_t>(cboDate->currentIndex() + 1);
    input.BirthMonth = static_cast<std::int16_t>(cboMonth->currentIndex() + 1);
    // The English name whatever the list shows: a reading file keeps it so.
    input.BirthMonthName = std::string(core::monthName(input.BirthMonth));
    input.BirthYear = static_cast<std::int16_t>(cboYear->currentText().toInt());
    return input;
}

bool frmMain::Validate_Input(const core::ReadingInput& input)
{
    switch (core::checkReading(input)) {
    case core::ReadingProblem::None:
        return true;
    case core::ReadingProblem::EmptyName:
        showMessage(this, tr("Please Enter Your Name"), MessageIcon::Error);
        txtName->setFocus();
        return false;
    case core::ReadingProblem::NoLetterAToZ:
        // Only the letters A to Z carry a value; a name without one has no destiny.
        showMessage(this, tr("Please Enter Your Name Using The Letters A To Z"), MessageIcon::Error);
        txtName->setFocus();
        return false;
    case core::ReadingProblem::DateOutOfRange: // the lists offer no such date
    case core::ReadingProblem::FebruaryDay:
        showMessage(this, tr("Please Enter Correct Date Or Month!"), MessageIcon::Information);
        return false;
    case core::ReadingProblem::ThirtyDayMonth:
        showMessage(this, tr("Please Enter Correct Date Or Month !"), MessageIcon::Information);
        return false;
    }
    return false;
}

void frmMain::proceed()
{
    const core::ReadingInput input = typedInput();
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
        showMessage(this, tr("Please Check The File."), MessageIcon::Error);
        return false;
    }
    sys::noteRecentReading(path, sys::fromCore(input->PersonName));
    handOver(*input);
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
    // The first is noted last, so that it heads the recent readings.
    sys::noteRecentReading(second, sys::fromCore(two->PersonName));
    sys::noteRecentReading(first, sys::fromCore(one->PersonName));
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

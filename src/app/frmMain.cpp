#include "app/frmMain.h"

#include "app/CurrentReading.h"
#include "desktop/HelpMenu.h"
#include "desktop/LinkLabel.h"
#include "desktop/Look.h"
#include "desktop/PromotionStrip.h"
#include "desktop/UiText.h"
#include "desktop/modHelp.h"
#include "numerology/Numerology.h"
#include "reading/ComposeReading.h"
#include "reading/GuidanceTexts.h"
#include "result/ReadingFile.h"
#include "result/frmRudrakshNumerologyResult.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

using Look::Px;
using UiText::FromCore;
using UiText::Named;

namespace {

const QStringList kMonthNames = {
    QStringLiteral("January"),
    QStringLiteral("February"),
    QStringLiteral("March"),
    QStringLiteral("April"),
    QStringLiteral("May"),
    QStringLiteral("June"),
    QStringLiteral("July"),
    QStringLiteral("August"),
    QStringLiteral("September"),
    QStringLiteral("October"),
    QStringLiteral("November"),
    QStringLiteral("December"),
};

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

// A saved reading holds at most some 33 KB; anything past this is not one.
constexpr qint64 kLargestReadingFile = qint64{1024} * 1024;

// The name without leading and trailing spaces; other characters stay.
QString TrimSpaces(const QString& text)
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

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
{
    Look::SetUpWorkingWindow(this, QStringLiteral("frmMain"));

    CreateMenus();
    CreateControls();
    LoadForm();

    Loaded(this);
}

frmMain::~frmMain() = default;

void frmMain::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    mnuFile = Named(bar->addMenu(QStringLiteral("&File")), QStringLiteral("mnuFile"));
    mnuExit = Named(mnuFile->addAction(QStringLiteral("E&xit")), QStringLiteral("mnuExit"));

    const HelpMenu help = AddHelpMenu(this);
    mnuHelp = help.mnuHelp;
    mnuOnline = help.mnuOnline;
    mnuVisit = help.mnuVisit;
    mnuUpdate = help.mnuUpdate;
    mnuAbout = help.mnuAbout;
    mnuDonate = help.mnuDonate;

    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
}

void frmMain::CreateControls()
{
    auto* central = Named(new QWidget(this), QStringLiteral("centralWidget"));
    // At least the design's client area; more where the font needs room.
    central->setMinimumSize(Px(8640), Px(5685));
    setCentralWidget(central);

    Label14 = Named(new LinkLabel(QStringLiteral("Discuss Rudraksha and numerology with us in our online forum at "
                                                 "vq-software.example.com"),
                        central),
        QStringLiteral("Label14"));
    Label14->setFont(Look::Font(Look::NormalPointSize, true, true));
    Label14->setAccessibleDescription(QStringLiteral("Opens our forum in your web browser"));
    Label14->setAlignment(Qt::AlignCenter);
    Label14->setWordWrap(true);
    Label14->setMaximumWidth(Px(5190));
    Look::SetColours(Label14, Look::Teal);

    for (const int index : {1, 2}) {
        QLabel* label = Named(new QLabel(central), QStringLiteral("lblLabel_%1").arg(index));
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setMargin(Px(30));
        label->setFixedWidth(Px(4335));
        Look::SetColours(label, Look::Orange, Look::DarkGrey);
        lblLabel[static_cast<std::size_t>(index)] = label;
    }
    lblLabel[1]->setMinimumHeight(Px(1755));
    lblLabel[2]->setMinimumHeight(Px(1935));

    cmdOpen
        = Named(new QPushButton(QStringLiteral("&Open Previously Saved Reading"), central), QStringLiteral("cmdOpen"));
    cmdOpen->setFont(Look::Font(9.75, true));
    cmdOpen->setMinimumHeight(Px(585));

    Label4 = Named(new QLabel(QStringLiteral("Enter your name and date of birth to get your VQ Rudraksha "
                                             "Numerology Reading!"),
                       central),
        QStringLiteral("Label4"));
    Label4->setFont(Look::Font(Look::NormalPointSize, true));
    Label4->setWordWrap(true);
    Look::SetColours(Label4, Look::DarkTeal);

    fraDetails = Named(new QGroupBox(QStringLiteral("Personal Details"), central), QStringLiteral("fraDetails"));
    fraDetails->setFont(Look::Font(Look::NormalPointSize, true));
    Look::SetColours(fraDetails, Look::Orange, Look::Black);

    Label1 = Named(new QLabel(QStringLiteral("Name"), fraDetails), QStringLiteral("Label1"));
    Label2 = Named(new QLabel(QStringLiteral("Birth Date"), fraDetails), QStringLiteral("Label2"));
    txtName = Named(new QLineEdit(fraDetails), QStringLiteral("txtName"));
    cboDate = Named(new QComboBox(fraDetails), QStringLiteral("cboDate"));
    cboMonth = Named(new QComboBox(fraDetails), QStringLiteral("cboMonth"));
    cboYear = Named(new QComboBox(fraDetails), QStringLiteral("cboYear"));
    for (QLabel* label : {Label1, Label2}) {
        label->setFont(Look::Font());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Look::SetColours(label, Look::Orange);
    }
    for (QWidget* input : std::initializer_list<QWidget*>{txtName, cboDate, cboMonth, cboYear}) {
        input->setFont(Look::Font());
        Look::SetColours(input, Look::White, Look::DarkGrey);
    }
    txtName->setAccessibleName(QStringLiteral("Name"));
    // On Linux a drop-down list is named by its entry, so the description says what it is.
    for (const auto& [list, name] :
        {std::pair{cboDate, "Birth day"}, std::pair{cboMonth, "Birth month"}, std::pair{cboYear, "Birth year"}}) {
        list->setAccessibleName(QString::fromLatin1(name));
        list->setAccessibleDescription(QString::fromLatin1(name));
    }
    Label1->setBuddy(txtName);
    Label2->setBuddy(cboDate);
    cboDate->setMinimumWidth(Px(495));
    cboMonth->setMinimumWidth(Px(1425));
    cboYear->setMinimumWidth(Px(825));
    // Sized by their longest entry ("September", "2050") without measuring every entry.
    for (const auto& [list, characters] : {std::pair{cboDate, 2}, std::pair{cboMonth, 9}, std::pair{cboYear, 4}}) {
        list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        list->setMinimumContentsLength(characters);
    }

    auto* details = new QGridLayout(fraDetails);
    details->setContentsMargins(Px(105), Px(150), Px(90), Px(150));
    details->setHorizontalSpacing(Px(75));
    details->setVerticalSpacing(Px(105));
    details->addWidget(Label1, 0, 0);
    details->addWidget(txtName, 0, 1, 1, 3);
    details->addWidget(Label2, 1, 0);
    details->addWidget(cboDate, 1, 1);
    details->addWidget(cboMonth, 1, 2);
    details->addWidget(cboYear, 1, 3);
    details->setColumnStretch(2, 1);

    cmdProceed = Named(
        new QPushButton(QStringLiteral("&Get My Rudraksha Numerology Reading"), central), QStringLiteral("cmdProceed"));
    cmdProceed->setFont(Look::Font(Look::NormalPointSize, true));
    cmdProceed->setMinimumHeight(Px(375));
    for (QPushButton* button : {cmdOpen, cmdProceed}) {
        Look::SetColours(button, Look::Black, Look::ButtonGrey);
    }

    m_promotions = CreatePromotionStrip(central);
    fraFullBrand = m_promotions.fraFullBrand;
    lblCobrand = m_promotions.lblCobrand;
    lblFullBrand = m_promotions.lblFullBrand;

    auto* guidance = new QVBoxLayout;
    guidance->setSpacing(Px(45));
    guidance->addWidget(lblLabel[1]);
    guidance->addWidget(lblLabel[2]);
    guidance->addStretch();

    auto* input = new QVBoxLayout;
    input->setSpacing(0);
    input->addSpacing(Px(30));
    input->addWidget(cmdOpen);
    input->addStretch(1);
    input->addWidget(Label4);
    input->addSpacing(Px(120));
    input->addWidget(fraDetails);
    input->addStretch(1);
    input->addWidget(cmdProceed);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(Px(45));
    columns->addLayout(guidance);
    columns->addLayout(input, 1);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(Px(60), Px(30), Px(60), 0);
    layout->setSpacing(Px(150));
    auto* banner = new QHBoxLayout;
    banner->addStretch();
    banner->addWidget(Label14, 4);
    banner->addStretch();
    layout->addLayout(banner);
    layout->addLayout(columns, 1);
    layout->addWidget(fraFullBrand);
    // The strip runs from edge to edge at the bottom of the window.
    layout->setStretchFactor(fraFullBrand, 0);

    setTabOrder(txtName, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setTabOrder(cboYear, cmdProceed);
    setTabOrder(cmdProceed, cmdOpen);
    setTabOrder(cmdOpen, Label14);
    setTabOrder(Label14, lblCobrand);
    setTabOrder(lblCobrand, lblFullBrand);

    connect(cmdProceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
    // Enter in the name box asks for the reading, as the button does.
    connect(txtName, &QLineEdit::returnPressed, cmdProceed, &QPushButton::click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    connect(static_cast<LinkLabel*>(Label14), &LinkLabel::clicked, this, &modHelp::OpenHomePage);
}

void frmMain::LoadForm()
{
    for (int day = 1; day <= 31; ++day) {
        cboDate->addItem(QString::number(day));
    }
    cboMonth->addItems(kMonthNames);
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        cboYear->addItem(QString::number(year));
    }

    const auto texts = modRudrakshNumerology::LoadGuidanceTexts();
    lblLabel[1]->setText(FromCore(modRudrakshNumerology::JoinGuidance(texts.GuidanceDos)));
    lblLabel[2]->setText(FromCore(modRudrakshNumerology::JoinGuidance(texts.GuidanceDonts)));

    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
    txtName->setFocus();
}

void frmMain::ShowCoBrandOffer(bool coBrand)
{
    m_promotions.ShowCoBrandOffer(coBrand);
}

bool frmMain::Validate_Input()
{
    const QString name = TrimSpaces(txtName->text());
    if (name.isEmpty()) {
        modHelp::ShowMessage(this, QStringLiteral("Please Enter Your Name"), modHelp::MessageIcon::Error);
        txtName->setFocus();
        return false;
    }
    // Only the letters A to Z carry a value; a name without one has no destiny.
    if (!numerology::HasLetterAToZ(name.toStdString())) {
        modHelp::ShowMessage(
            this, QStringLiteral("Please Enter Your Name Using The Letters A To Z"), modHelp::MessageIcon::Error);
        txtName->setFocus();
        return false;
    }

    const int day = cboDate->currentIndex() + 1;
    const int month = cboMonth->currentIndex() + 1;
    const int year = cboYear->currentText().toInt();
    // Every fourth year is a leap year here, 1900 included.
    const bool leapYear = year % 4 == 0;
    if (month == 2 && (day > 29 || (day == 29 && !leapYear))) {
        modHelp::ShowMessage(
            this, QStringLiteral("Please Enter Correct Date Or Month!"), modHelp::MessageIcon::Information);
        return false;
    }
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31) {
        modHelp::ShowMessage(
            this, QStringLiteral("Please Enter Correct Date Or Month !"), modHelp::MessageIcon::Information);
        return false;
    }
    return true;
}

void frmMain::Find_Destiny_No()
{
    numerology::Find_Destiny_No(CurrentReading());
}

void frmMain::Find_LifePath_No()
{
    numerology::Find_LifePath_No(CurrentReading());
}

void frmMain::cmdProceed_Click()
{
    if (!Validate_Input()) {
        return;
    }
    Reading& reading = CurrentReading();
    reading.PersonName = TrimSpaces(txtName->text()).toStdString();
    reading.BirthDay = static_cast<std::int16_t>(cboDate->currentIndex() + 1);
    reading.BirthMonth = static_cast<std::int16_t>(cboMonth->currentIndex() + 1);
    reading.BirthMonthName = TrimSpaces(cboMonth->currentText()).toStdString();
    reading.BirthYear = static_cast<std::int16_t>(cboYear->currentText().toInt());
    ShowReading();
}

QString frmMain::ChooseReadingFile()
{
    // Gone before the file is read, so its folder watching stops at once.
    QFileDialog dialog(this, QStringLiteral("Select the source file"));
    dialog.setObjectName(QStringLiteral("openDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("VQ Rudraksh Numerology (*.rkn)"));
    // No default suffix: it would turn a typed "readingrkn" into "readingrkn.rkn",
    // and only an existing file can be chosen anyway.
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

void frmMain::cmdOpen_Click()
{
    const QString path = ChooseReadingFile();
    if (path.isEmpty()) {
        return;
    }

    const auto refuse
        = [this] { modHelp::ShowMessage(this, QStringLiteral("Please Check The File."), modHelp::MessageIcon::Error); };
    // Saved readings end in "rkn", in any letter case.
    if (!path.endsWith(QLatin1String("rkn"), Qt::CaseInsensitive)) {
        refuse();
        return;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kLargestReadingFile) {
        refuse();
        return;
    }
    const QByteArray data = file.read(kLargestReadingFile);
    if (file.error() != QFileDevice::NoError) {
        refuse();
        return;
    }
    const auto fields
        = ReadingFile::FromBytes(std::string_view(data.constData(), static_cast<std::size_t>(data.size())));
    if (!fields) {
        refuse();
        return;
    }
    ReadingFile::ApplyTo(*fields, CurrentReading());
    ShowReading();
}

void frmMain::ShowReading()
{
    // The destiny number first, then the life path number, then the pages.
    Find_Destiny_No();
    Find_LifePath_No();
    modRudrakshNumerology::ComposeReading();
    frmRudrakshNumerologyResult::Instance()->show();
    m_readingClose = true;
    close();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    event->accept();
    Unloaded(this);
    if (!m_readingClose) {
        // Closed by the user: the program ends.
        modHelp::EndProgram();
    }
}

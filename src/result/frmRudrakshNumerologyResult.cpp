#include "result/frmRudrakshNumerologyResult.h"

#include "app/CurrentReading.h"
#include "app/frmMain.h"
#include "desktop/HelpMenu.h"
#include "desktop/LinkLabel.h"
#include "desktop/Look.h"
#include "desktop/PromotionStrip.h"
#include "desktop/UiText.h"
#include "desktop/modHelp.h"
#include "numerology/Numerology.h"
#include "reading/BeadCatalogue.h"
#include "result/ImageList.h"
#include "result/ReadingFile.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QShortcut>
#include <QStackedLayout>
#include <QTabBar>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

using Look::Px;
using UiText::FromCore;
using UiText::Named;

namespace {

constexpr std::size_t kRows = 9;

const std::array<QString, kRows + 1> kRowCaptions = {
    QString(),
    QStringLiteral("Rudraksh Name"),
    QStringLiteral("Ruling Planet"),
    QStringLiteral("Symbol"),
    QStringLiteral("Number"),
    QStringLiteral("Day To Wear"),
    QStringLiteral("Mantras"),
    QStringLiteral("Body Parts"),
    QStringLiteral("Ailments"),
    QStringLiteral("Rituals To Wear"),
};

// What a page shows before a reading is written on it.
const std::array<QString, kRows + 1>& PlaceholderValues()
{
    const modRudrakshNumerology::BeadRecord* two = modRudrakshNumerology::BeadRow(2);
    static const std::array<QString, kRows + 1> values = {
        QStringLiteral("9"),
        QStringLiteral("Three Mukhi Rudraksha"),
        QStringLiteral("Mercury"),
        QStringLiteral("9"),
        QStringLiteral("Result"),
        QStringLiteral("Monday"),
        QStringLiteral("Aum Hreem Hum Namah,Nav Durgayai Namah"),
        FromCore(two->BodyParts),
        FromCore(two->Ailments),
        FromCore(two->RitualsToWear),
    };
    return values;
}

QPlainTextEdit* CreateTextBox(QWidget* parent, int index)
{
    auto* box = Named(new QPlainTextEdit(parent), QStringLiteral("txtResult_%1").arg(index));
    // The user can select and scroll, but not type.
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Three whole lines, whatever the font and the scale.
    constexpr int kLines = 3;
    // The document's bottom margin only shows at its end, so one margin counts.
    const int margins = 2 * box->frameWidth() + qCeil(box->document()->documentMargin());
    box->setFixedHeight(kLines * box->fontMetrics().lineSpacing() + margins);
    Look::SetColours(box, Look::White, Look::Black);
    return box;
}

QLabel* CreatePicture(QWidget* parent, int index, int size)
{
    auto* picture = Named(new QLabel(parent), QStringLiteral("imgImage_%1").arg(index));
    picture->setScaledContents(true);
    picture->setFixedSize(Px(size), Px(size));
    return picture;
}

} // namespace

frmRudrakshNumerologyResult::frmRudrakshNumerologyResult(QWidget* parent)
    : QMainWindow(parent)
    , IMG1(BeadPictures())
    , IMG2(PlanetPictures())
{
    Look::SetUpWorkingWindow(this, QStringLiteral("frmRudrakshNumerologyResult"));

    CreateMenus();
    CreateControls();
    LoadForm();

    Loaded(this);
}

frmRudrakshNumerologyResult::~frmRudrakshNumerologyResult() = default;

void frmRudrakshNumerologyResult::CreateMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    mnuFile = Named(bar->addMenu(QStringLiteral("&File")), QStringLiteral("mnuFile"));
    mnuBack = Named(mnuFile->addAction(QStringLiteral("&Back")), QStringLiteral("mnuBack"));
    mnuFile->addSeparator()->setObjectName(QStringLiteral("mnuFile1"));
    mnuExit = Named(mnuFile->addAction(QStringLiteral("E&xit")), QStringLiteral("mnuExit"));

    const HelpMenu help = AddHelpMenu(this);
    mnuHelp = help.mnuHelp;
    mnuOnline = help.mnuOnline;
    mnuVisit = help.mnuVisit;
    mnuUpdate = help.mnuUpdate;
    mnuAbout = help.mnuAbout;
    mnuDonate = help.mnuDonate;

    connect(mnuBack, &QAction::triggered, this, &frmRudrakshNumerologyResult::Back);
    connect(mnuExit, &QAction::triggered, this, &QWidget::close);
}

QWidget* frmRudrakshNumerologyResult::CreatePage(int page)
{
    // A child of the window from the start, so it has the window's font when sized.
    auto* frame = new QWidget(this);
    Look::SetColours(frame, Look::White, Look::Black);

    const QString pageName = page == 0 ? QStringLiteral("Life path") : QStringLiteral("Destiny");
    const auto p = static_cast<std::size_t>(page);
    // Captions of page 0 count up from 0, those of page 1 down from 19.
    const auto captionIndex = [p](std::size_t row) { return p == 0 ? row : 19 - row; };
    const auto resultIndex = [p](std::size_t row) { return 10 * p + row; };

    QLabel* heading = Named(new QLabel(frame), QStringLiteral("lblLabels_%1").arg(captionIndex(0)));
    heading->setText(FromCore(page == 0 ? numerology::LifePathIntroduction() : numerology::DestinyIntroduction()));
    heading->setFont(Look::Font(Look::NormalPointSize, true));
    heading->setWordWrap(true);
    heading->setMinimumHeight(Px(600));
    heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Look::SetColours(heading, Look::Orange);
    lblLabels[captionIndex(0)] = heading;

    QLabel* number = Named(new QLabel(frame), QStringLiteral("lblResult_%1").arg(resultIndex(0)));
    number->setAccessibleDescription(pageName + QStringLiteral(" number"));
    number->setFont(Look::Font(27.75, true));
    number->setAlignment(Qt::AlignCenter);
    number->setMinimumWidth(Px(390));
    Look::SetColours(number, Look::White);
    lblResult[resultIndex(0)] = number;

    const std::array<QString, 3> boxNames
        = {QStringLiteral(" personality text"), QStringLiteral(" bead description"), QStringLiteral(" planet text")};
    for (std::size_t box = 0; box < 3; ++box) {
        QPlainTextEdit* text = CreateTextBox(frame, static_cast<int>(3 * p + box));
        text->setAccessibleName(pageName + boxNames[box]);
        txtResult[3 * p + box] = text;
    }
    imgImage[2 * p] = CreatePicture(frame, 2 * page, 795);
    imgImage[2 * p + 1] = CreatePicture(frame, 2 * page + 1, 800);

    for (std::size_t row = 1; row <= kRows; ++row) {
        QLabel* caption
            = Named(new QLabel(kRowCaptions[row], frame), QStringLiteral("lblLabels_%1").arg(captionIndex(row)));
        caption->setFont(Look::Font(Look::NormalPointSize, true));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Look::SetColours(caption, Look::Orange);
        lblLabels[captionIndex(row)] = caption;

        QLabel* value = Named(new QLabel(frame), QStringLiteral("lblResult_%1").arg(resultIndex(row)));
        // A screen reader says the value, then what it is: "Sun, Life path ruling planet".
        value->setAccessibleDescription(pageName + QLatin1Char(' ') + kRowCaptions[row].toLower());
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        Look::SetColours(value, Look::White);
        if (row == 1) {
            value->setFont(Look::Font(Look::NormalPointSize, true));
        }
        if (row >= 7) {
            value->setWordWrap(true);
        }
        lblResult[resultIndex(row)] = value;
    }
    const auto valueOf = [this, &resultIndex](std::size_t row) { return lblResult[resultIndex(row)]; };
    const auto captionOf = [this, &captionIndex](std::size_t row) { return lblLabels[captionIndex(row)]; };

    auto* top = new QHBoxLayout;
    top->setSpacing(Px(270));
    top->setContentsMargins(Px(240), 0, 0, 0);
    top->addWidget(number);
    top->addWidget(txtResult[3 * p], 1);

    // Captions in column 0, values in column 1, pictures in column 2; the two
    // text boxes lie under the bead name and the ruling planet.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(Px(90));
    grid->setVerticalSpacing(Px(15));
    grid->setColumnMinimumWidth(0, Px(1650));
    grid->setColumnStretch(1, 1);
    int line = 0;
    const auto addRow = [&](std::size_t row, int valueColumns) {
        grid->addWidget(captionOf(row), line, 0);
        grid->addWidget(valueOf(row), line, 1, 1, valueColumns);
        ++line;
    };
    addRow(1, 2);
    grid->addWidget(txtResult[3 * p + 1], line, 0, 1, 2);
    grid->addWidget(imgImage[2 * p], line, 2, 2, 1, Qt::AlignTop);
    ++line;
    addRow(2, 1);
    grid->addWidget(txtResult[3 * p + 2], line, 0, 1, 2);
    grid->addWidget(imgImage[2 * p + 1], line, 2, 2, 1, Qt::AlignTop);
    ++line;
    addRow(3, 1);
    for (std::size_t row = 4; row <= kRows; ++row) {
        addRow(row, 2);
    }
    grid->setRowStretch(line, 1);

    auto* layout = new QVBoxLayout(frame);
    layout->setContentsMargins(Px(60), 0, Px(60), 0);
    layout->setSpacing(Px(15));
    layout->addWidget(heading);
    layout->addLayout(top);
    layout->addLayout(grid, 1);
    return frame;
}

void frmRudrakshNumerologyResult::CreateControls()
{
    auto* central = Named(new QWidget(this), QStringLiteral("centralWidget"));
    // At least the design's client area; more where the font needs room.
    central->setMinimumSize(Px(9105), Px(6765));
    setCentralWidget(central);

    Label61 = Named(new LinkLabel(QStringLiteral("Discuss Rudraksha and numerology with us in our online forum at "
                                                 "vq-software.example.com"),
                        central),
        QStringLiteral("Label61"));
    Label61->setFont(Look::Font(Look::NormalPointSize, true, true));
    Label61->setAccessibleDescription(QStringLiteral("Opens our forum in your web browser"));
    Label61->setAlignment(Qt::AlignCenter);
    Label61->setWordWrap(true);
    Label61->setMaximumWidth(Px(4965));
    Look::SetColours(Label61, Look::Teal);
    connect(Label61, &LinkLabel::clicked, this, &modHelp::OpenHomePage);

    TS = Named(new QTabBar(central), QStringLiteral("TS"));
    TS->addTab(QStringLiteral("Rudraksh Based On Life Path Number"));
    TS->addTab(QStringLiteral("Rudraksh Based On Destiny Number"));
    TS->setExpanding(false);
    TS->setDrawBase(true);

    fraLifePath = Named(CreatePage(0), QStringLiteral("fraLifePath"));
    fraDestiny = Named(CreatePage(1), QStringLiteral("fraDestiny"));
    auto* pages = new QWidget(central);
    m_pages = new QStackedLayout(pages);
    m_pages->addWidget(fraLifePath);
    m_pages->addWidget(fraDestiny);

    const PromotionStrip promotions = CreatePromotionStrip(central);
    fraFullBrand = promotions.fraFullBrand;
    lblCobrand = promotions.lblCobrand;
    lblFullBrand = promotions.lblFullBrand;

    cmdSave = Named(new QPushButton(QStringLiteral("&Save"), central), QStringLiteral("cmdSave"));
    cmdBack = Named(new QPushButton(QStringLiteral("&Back"), central), QStringLiteral("cmdBack"));
    for (QPushButton* button : {cmdBack, cmdSave}) {
        button->setFont(Look::Font(Look::NormalPointSize, true));
        button->setMinimumSize(Px(900), Px(400));
        Look::SetColours(button, Look::Black, Look::ButtonGrey);
    }

    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(Px(60));
    bottom->addWidget(fraFullBrand, 1);
    bottom->addWidget(cmdBack, 0, Qt::AlignVCenter);
    bottom->addWidget(cmdSave, 0, Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, Px(90), Px(30));
    layout->setSpacing(Px(30));
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

    setTabOrder(TS, txtResult[0]);
    setTabOrder(txtResult[0], txtResult[1]);
    setTabOrder(txtResult[1], txtResult[2]);
    setTabOrder(txtResult[2], txtResult[3]);
    setTabOrder(txtResult[3], txtResult[4]);
    setTabOrder(txtResult[4], txtResult[5]);
    setTabOrder(txtResult[5], cmdBack);
    setTabOrder(cmdBack, cmdSave);
    setTabOrder(cmdSave, Label61);
    setTabOrder(Label61, lblCobrand);
    setTabOrder(lblCobrand, lblFullBrand);
}

void frmRudrakshNumerologyResult::LoadForm()
{
    const auto& placeholders = PlaceholderValues();
    for (int page = 0; page < 2; ++page) {
        for (std::size_t row = 0; row <= kRows; ++row) {
            lblResult[10 * static_cast<std::size_t>(page) + row]->setText(placeholders[row]);
        }
        ShowPictures(page, 3, 4);
    }
    TS->setCurrentIndex(0);
    TS_Click(0);
}

void frmRudrakshNumerologyResult::ShowPictures(int page, int bead, int planet)
{
    const auto p = static_cast<std::size_t>(page);
    QLabel* beadPicture = imgImage[2 * p];
    beadPicture->setPixmap(IMG1.Picture(bead));
    QLabel* planetPicture = imgImage[2 * p + 1];
    planetPicture->setPixmap(IMG2.Picture(planet));

    // Pictures are described by the catalogue row they show.
    const auto* beadRow = modRudrakshNumerology::BeadRow(bead);
    const auto* planetRow = modRudrakshNumerology::BeadRow(planet);
    beadPicture->setAccessibleName(beadRow ? FromCore(beadRow->BeadName) + QStringLiteral(" bead") : QString());
    if (planetRow == nullptr) {
        planetPicture->setAccessibleName(QString());
    } else if (planet <= 7) {
        const QString planetName = FromCore(planetRow->RulingPlanet);
        planetPicture->setAccessibleName(planet <= 2 ? QStringLiteral("Symbol of the %1").arg(planetName)
                                                     : QStringLiteral("Symbol of %1").arg(planetName));
    } else {
        planetPicture->setAccessibleName(QStringLiteral("No symbol for %1").arg(FromCore(planetRow->RulingPlanet)));
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
    frmMain::Instance()->show();
    m_backClose = true;
    close();
}

void frmRudrakshNumerologyResult::closeEvent(QCloseEvent* event)
{
    event->accept();
    Unloaded(this);
    if (!m_backClose) {
        modHelp::EndProgram();
    }
}

void frmRudrakshNumerologyResult::SaveReading()
{
    QFileDialog dialog(this, QStringLiteral("VQ Rudraksh Numerology"));
    dialog.setObjectName(QStringLiteral("saveDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("VQ Rudraksh Numerology (*.rkn)"));
    // A bare name gets ".rkn"; replacing a file is confirmed first.
    dialog.setDefaultSuffix(QStringLiteral("rkn"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().value(0).isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().value(0);

    const auto fail = [this, &path](const QString& reason) {
        modHelp::ShowMessage(this,
            QStringLiteral("The reading could not be saved to \"%1\".\n\n%2")
                .arg(QDir::toNativeSeparators(path), reason),
            modHelp::MessageIcon::Error);
    };
    const auto data = ReadingFile::ToBytes(CurrentReading());
    if (!data) {
        fail(QStringLiteral("The name is longer than a reading file can hold."));
        return;
    }
    // The file is replaced whole or not at all.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        fail(file.errorString());
        return;
    }
    const auto size = static_cast<qint64>(data->size());
    if (file.write(data->data(), size) != size || !file.flush()) {
        // A write cut short by a full disk leaves Qt without a reason of its own.
        QString reason = file.errorString();
        if (reason.isEmpty() || reason == QLatin1String("Unknown error")) {
            reason = QStringLiteral("Not all of the reading could be written; the disk may be full.");
        }
        file.cancelWriting();
        file.commit();
        fail(reason);
        return;
    }
    if (!file.commit()) {
        fail(file.errorString());
    }
}

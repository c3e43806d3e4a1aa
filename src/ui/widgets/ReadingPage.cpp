#include "ui/widgets/ReadingPage.h"

#include "core/catalogue/BeadCatalogue.h"
#include "core/numerology/Chart.h"
#include "core/numerology/Numerology.h"
#include "system/CoreText.h"
#include "ui/widgets/BeadRows.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/Pictures.h"
#include "ui/widgets/WrappingLabel.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QShowEvent>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

namespace ui {

namespace {

// What a page shows before a number is written on it.
std::array<QString, kBeadRows + 1> placeholderValues()
{
    const core::BeadRecord* two = core::beadRow(2);
    std::array<QString, kBeadRows + 1> values = {
        QStringLiteral("9"),
        sys::translatedCore("core::Catalogue", "Three Mukhi Rudraksha"),
        sys::translatedCore("core::Catalogue", "Mercury"),
        QStringLiteral("9"),
        ReadingPage::tr("Result"),
        sys::translatedCore("core::Catalogue", "Monday"),
        sys::translatedCore("core::Catalogue", "Aum Hreem Hum Namah,Nav Durgayai Namah"),
        sys::translatedCore("core::Catalogue", two->BodyParts),
        sys::translatedCore("core::Catalogue", two->Ailments),
        sys::translatedCore("core::Catalogue", two->RitualsToWear),
    };
    return values;
}

QPlainTextEdit* createTextBox(QWidget* parent, std::size_t index)
{
    auto* box = named(new QPlainTextEdit(parent), QStringLiteral("txtResult_%1").arg(index));
    // The user can select and scroll, but not type.
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Three whole lines, whatever the font and the scale.
    constexpr int kLines = 3;
    // The document's bottom margin only shows at its end, so one margin counts.
    const int margins = 2 * box->frameWidth() + qCeil(box->document()->documentMargin());
    box->setFixedHeight(kLines * box->fontMetrics().lineSpacing() + margins);
    setColours(box, Colours::White, Colours::Black);
    return box;
}

QLabel* createPicture(QWidget* parent, std::size_t index, int sizeTwips)
{
    auto* picture = named(new QLabel(parent), QStringLiteral("imgImage_%1").arg(index));
    picture->setScaledContents(true);
    picture->setFixedSize(px(sizeTwips), px(sizeTwips));
    return picture;
}

} // namespace

ReadingPage::ReadingPage(Number number, QWidget* parent)
    : QWidget(parent)
    , m_page(number == Number::LifePath   ? 0
              : number == Number::Destiny ? 1
                                          : 2)
{
    setColours(this, Colours::White, Colours::Black);
    createNumber();
    createRows();
    layOutControls();
}

std::size_t ReadingPage::captionIndex(std::size_t row) const
{
    // Captions of page 0 count up from 0, those of page 1 down from 19, those
    // of the birth number's page up from 20.
    return m_page == 0 ? row : m_page == 1 ? 19 - row : 20 + row;
}

void ReadingPage::createNumber()
{
    QLabel* heading = named(new WrappingLabel(this), QStringLiteral("lblLabels_%1").arg(captionIndex(0)));
    heading->setText(sys::translatedCore(textContext(),
        m_page == 0       ? core::lifePathIntroduction()
            : m_page == 1 ? core::destinyIntroduction()
                          : core::birthNumberIntroduction()));
    heading->setFont(programFont(NormalPointSize, true));
    heading->setWordWrap(true);
    heading->setMinimumHeight(px(600));
    heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(heading, Colours::Orange);
    lblLabels[0] = heading;

    QLabel* shownNumber = named(new QLabel(this), QStringLiteral("lblResult_%1").arg(10 * m_page));
    shownNumber->setAccessibleDescription(m_page == 0 ? tr("Life path number")
            : m_page == 1                             ? tr("Destiny number")
                                                      : tr("Birth number"));
    shownNumber->setFont(programFont(27.75, true));
    shownNumber->setAlignment(Qt::AlignCenter);
    shownNumber->setMinimumWidth(px(390));
    setColours(shownNumber, Colours::White);
    lblResult[0] = shownNumber;

    const std::array<std::array<QString, 3>, 3> boxNames = {{
        {tr("Life path personality text"), tr("Life path bead description"), tr("Life path planet text")},
        {tr("Destiny personality text"), tr("Destiny bead description"), tr("Destiny planet text")},
        {tr("Birth number personality text"), tr("Birth number bead description"), tr("Birth number planet text")},
    }};
    for (std::size_t box = 0; box < txtResult.size(); ++box) {
        txtResult[box] = createTextBox(this, 3 * m_page + box);
        txtResult[box]->setAccessibleName(boxNames[m_page][box]);
    }
    imgImage[0] = createPicture(this, 2 * m_page, 795);
    imgImage[1] = createPicture(this, 2 * m_page + 1, 800);
}

void ReadingPage::createRows()
{
    const auto captions = rowCaptions();
    for (std::size_t row = 1; row <= kBeadRows; ++row) {
        QLabel* caption = named(new QLabel(captions[row], this), QStringLiteral("lblLabels_%1").arg(captionIndex(row)));
        caption->setFont(programFont(NormalPointSize, true));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setColours(caption, Colours::Orange);
        lblLabels[row] = caption;

        QLabel* value = named(new WrappingLabel(this), QStringLiteral("lblResult_%1").arg(10 * m_page + row));
        // A screen reader says the value, then what it is: "Sun, Life path ruling planet".
        const QString what = captions[row].toLower();
        value->setAccessibleDescription(m_page == 0 ? tr("Life path %1").arg(what)
                : m_page == 1                       ? tr("Destiny %1").arg(what)
                                                    : tr("Birth number %1").arg(what));
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setColours(value, Colours::White);
        if (row == 1) {
            value->setFont(programFont(NormalPointSize, true));
        }
        if (row >= 7) {
            value->setWordWrap(true);
        }
        lblResult[row] = value;
    }
}

void ReadingPage::layOutControls()
{
    auto* top = new QHBoxLayout;
    top->setSpacing(px(270));
    top->setContentsMargins(px(240), 0, 0, 0);
    top->addWidget(lblResult[0]);
    top->addWidget(txtResult[0], 1);

    // Captions in column 0, values in column 1, pictures in column 2; the two
    // text boxes lie under the bead name and the ruling planet.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(px(90));
    grid->setVerticalSpacing(px(15));
    grid->setColumnMinimumWidth(0, px(1650));
    grid->setColumnStretch(1, 1);
    int line = 0;
    const auto addRow = [&](std::size_t row, int valueColumns) {
        grid->addWidget(lblLabels[row], line, 0);
        grid->addWidget(lblResult[row], line, 1, 1, valueColumns);
        ++line;
    };
    addRow(1, 2);
    grid->addWidget(txtResult[1], line, 0, 1, 2);
    grid->addWidget(imgImage[0], line, 2, 2, 1, Qt::AlignTop);
    ++line;
    addRow(2, 1);
    grid->addWidget(txtResult[2], line, 0, 1, 2);
    grid->addWidget(imgImage[1], line, 2, 2, 1, Qt::AlignTop);
    ++line;
    addRow(3, 1);
    for (std::size_t row = 4; row <= kBeadRows; ++row) {
        addRow(row, 2);
    }
    grid->setRowStretch(line, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(60), 0, px(60), 0);
    layout->setSpacing(px(15));
    layout->addWidget(lblLabels[0]);
    layout->addLayout(top);
    layout->addLayout(grid, 1);
}

void ReadingPage::showPlaceholders()
{
    const auto placeholders = placeholderValues();
    for (std::size_t row = 0; row <= kBeadRows; ++row) {
        lblResult[row]->setText(placeholders[row]);
    }
    showPictures(3, 4);
}

void ReadingPage::showNumber(
    int n, std::string_view personalityText, const core::BeadRecord& bead, const core::Working& working)
{
    const auto values = rowValues(n, bead);
    for (std::size_t row = 0; row <= kBeadRows; ++row) {
        lblResult[row]->setText(values[row]);
    }
    // "Life path number: 15 + 8 + 1985 = 2008 ...", the number read first.
    const QString steps = sys::translatedWorking(working);
    lblResult[0]->setToolTip(steps);
    lblResult[0]->setAccessibleDescription(m_page == 0 ? tr("Life path number: %1").arg(steps)
            : m_page == 1                              ? tr("Destiny number: %1").arg(steps)
                                                       : tr("Birth number: %1").arg(steps));
    m_boxTexts = {sys::translatedParagraphs(textContext(), personalityText),
        sys::translatedCore("core::Catalogue", bead.Description),
        sys::translatedCore("core::Catalogue", bead.PlanetText)};
    // A box lays its text out at the width it has. Until the window is laid
    // out each box has Qt's default width, far too narrow, and the text
    // would be laid out there and again at the box's real width: the boxes
    // are filled once the window is shown.
    if (window()->isVisible()) {
        fillTextBoxes();
    } else {
        window()->installEventFilter(this);
    }
    showPictures(n, n);
}

void ReadingPage::fillTextBoxes()
{
    for (std::size_t box = 0; box < txtResult.size(); ++box) {
        txtResult[box]->setPlainText(m_boxTexts[box]);
    }
}

bool ReadingPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && event->type() == QEvent::Show) {
        watched->removeEventFilter(this);
        fillTextBoxes();
    }
    return QWidget::eventFilter(watched, event);
}

void ReadingPage::showPictures(int bead, int planet)
{
    m_pictures = {bead, planet};
    m_picturesShown = false;
    // A picture is read when its page is first seen: a page behind the other,
    // or showing its sample values until a number comes, needs none yet.
    if (isVisible()) {
        loadPictures();
    }

    // Pictures are described by the catalogue row they show.
    const auto* beadRow = core::beadRow(bead);
    const auto* planetRow = core::beadRow(planet);
    imgImage[0]->setAccessibleName(
        beadRow ? tr("%1 bead").arg(sys::translatedCore("core::Catalogue", beadRow->BeadName)) : QString());
    if (planetRow == nullptr) {
        imgImage[1]->setAccessibleName(QString());
    } else if (core::hasPlanetGlyph(planet)) {
        const QString planetName = sys::translatedCore("core::Catalogue", planetRow->RulingPlanet);
        imgImage[1]->setAccessibleName(
            planet <= 2 ? tr("Symbol of the %1").arg(planetName) : tr("Symbol of %1").arg(planetName));
    } else {
        imgImage[1]->setAccessibleName(
            tr("No symbol for %1").arg(sys::translatedCore("core::Catalogue", planetRow->RulingPlanet)));
    }
}

void ReadingPage::loadPictures()
{
    if (m_picturesShown) {
        return;
    }
    m_picturesShown = true;
    imgImage[0]->setPixmap(beadPicture(m_pictures[0], devicePixelRatio()));
    imgImage[1]->setPixmap(planetPicture(m_pictures[1], devicePixelRatio()));
}

void ReadingPage::showEvent(QShowEvent* event)
{
    loadPictures();
    QWidget::showEvent(event);
}

} // namespace ui

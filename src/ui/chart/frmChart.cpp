#include "ui/chart/frmChart.h"

#include "core/catalogue/BeadCatalogue.h"
#include "core/numerology/Numerology.h"
#include "system/CoreText.h"
#include "system/ProgramNames.h"
#include "system/RecentReadings.h"
#include "system/SavedReadings.h"
#include "system/Settings.h"
#include "ui/chart/ChartWords.h"
#include "ui/chart/Comparison.h"
#include "ui/desktop/FileDialogs.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/Paper.h"
#include "ui/widgets/ReadingPage.h"
#include "ui/widgets/WindowPlacement.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace ui {
namespace {

// A label of the chart: wrapped, in the program's font, white on the black.
QLabel* textLabel(const QString& text, QWidget* parent, const QColor& colour = Colours::White, bool bold = false)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setFont(programFont(NormalPointSize, bold));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(label, colour);
    return label;
}

QLabel* heading(const QString& text, QWidget* parent)
{
    return textLabel(text, parent, Colours::Orange, true);
}

// A tab's content, in a scroll area where it is taller than the window.
QScrollArea* scrolled(QWidget* content, const QString& name)
{
    auto* area = named(new QScrollArea, name);
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    setColours(area, Colours::White, Colours::Black);
    setColours(content, Colours::White, Colours::Black);
    return area;
}

// A button of the compatibility tab, in the program's look; Enter in the
// name box compares, so no button is pressed by Enter on its own.
QPushButton* button(const QString& text, QWidget* parent, const QString& name)
{
    auto* button = named(new QPushButton(text, parent), name);
    button->setFont(programFont(NormalPointSize, true));
    button->setAutoDefault(false);
    setColours(button, Colours::Black, Colours::ButtonGrey);
    return button;
}

// Where each of the cells' labels can be reached from the keyboard, so a
// screen reader says what it holds.
void reachable(QLabel* label)
{
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard);
    label->setFocusPolicy(Qt::TabFocus);
}

} // namespace

frmChart::frmChart(const core::Reading& reading, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_reading(reading)
    , m_chart(core::chartOf(reading, QDate::currentDate().year(), sys::Settings::gridHoldsNumbers()))
{
    setObjectName(QStringLiteral("frmChart"));
    setWindowTitle(sys::programCaption());
    setFont(programFont());
    setColours(this, Colours::White, Colours::Black);

    tabChart = named(new QTabWidget(this), QStringLiteral("tabChart"));
    tabChart->addTab(createBirthNumberTab(), tr("&Birth Number"));
    tabChart->addTab(createNumbersTab(), tr("&All Numbers"));
    tabChart->addTab(createGridTab(), tr("&Lo Shu Grid"));
    tabChart->addTab(createCompatibilityTab(), tr("Co&mpatibility"));

    auto* buttons = named(new QDialogButtonBox(QDialogButtonBox::Close, this), QStringLiteral("buttons"));
    QPushButton* cmdClose = named(buttons->button(QDialogButtonBox::Close), QStringLiteral("cmdClose"));
    setColours(cmdClose, Colours::Black, Colours::ButtonGrey);
    // Enter belongs to the comparison's name box; Esc and Close shut the window.
    cmdClose->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(px(120), px(120), px(120), px(120));
    layout->addWidget(tabChart, 1);
    layout->addWidget(buttons);

    setMinimumSize(px(8400), px(6300));
    resize(px(11400), px(9000));
    keepWindowPlacement(this);
}

QWidget* frmChart::createBirthNumberTab()
{
    auto* page = named(new ReadingPage(ReadingPage::Number::BirthNumber, this), QStringLiteral("fraBirthNumber"));
    const int n = m_chart.BirthNumber.result();
    if (const core::BeadRecord* bead = core::beadRow(n)) {
        page->showNumber(n, core::birthNumberText(n), *bead, m_chart.BirthNumber);
    }
    return scrolled(page, QStringLiteral("tabBirthNumber"));
}

QWidget* frmChart::createNumbersTab()
{
    auto* content = new QWidget;
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(px(150));
    grid->setVerticalSpacing(px(120));
    const QStringList headings{tr("Number"), QString(), tr("How it is reached"), tr("What it says"), tr("Bead")};
    for (int column = 0; column < headings.size(); ++column) {
        grid->addWidget(heading(headings.at(column), content), 0, column);
    }
    int row = 1;
    for (const ChartNumber& number : chartNumbers(m_reading, m_chart)) {
        QLabel* name = textLabel(
            QStringLiteral("<b>%1</b><br>%2").arg(number.name.toHtmlEscaped(), number.source.toHtmlEscaped()), content);
        name->setTextFormat(Qt::RichText);
        QLabel* value = named(textLabel(number.number > 0 ? QString::number(number.number) : QStringLiteral("\u2014"),
                                  content, Colours::White, true),
            QStringLiteral("lblNumber_%1").arg(row - 1));
        value->setFont(programFont(18, true));
        value->setAccessibleName(
            tr("%1: %2").arg(number.name, number.number > 0 ? QString::number(number.number) : number.meaning));
        value->setAccessibleDescription(number.working);
        reachable(value);
        grid->addWidget(name, row, 0);
        grid->addWidget(value, row, 1);
        grid->addWidget(
            named(textLabel(number.working, content), QStringLiteral("lblWorking_%1").arg(row - 1)), row, 2);
        grid->addWidget(textLabel(number.meaning, content), row, 3);
        grid->addWidget(textLabel(number.bead, content, Colours::Teal), row, 4);
        ++row;
    }
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 3);
    grid->setColumnStretch(4, 1);

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(px(120), px(120), px(120), px(120));
    layout->setSpacing(px(240));
    layout->addLayout(grid);
    layout->addWidget(named(textLabel(numbersRule(), content, Colours::Teal), QStringLiteral("lblNumbersRule")));
    layout->addStretch();
    return scrolled(content, QStringLiteral("tabAllNumbers"));
}

void frmChart::createAddNumbersBox(QWidget* content)
{
    chkAddNumbers = named(
        new QCheckBox(tr("Add the birth number and the life path number"), content), QStringLiteral("chkAddNumbers"));
    chkAddNumbers->setFont(programFont());
    // White words on the black; the box itself white, its tick black.
    QPalette box = chkAddNumbers->palette();
    box.setColor(QPalette::WindowText, Colours::White);
    box.setColor(QPalette::Base, Colours::White);
    box.setColor(QPalette::Text, Colours::Black);
    chkAddNumbers->setPalette(box);
    chkAddNumbers->setChecked(sys::Settings::gridHoldsNumbers());
    connect(chkAddNumbers, &QCheckBox::toggled, this, [this](bool holds) {
        sys::Settings::setGridHoldsNumbers(holds);
        m_chart.Grid = core::loShuGrid(m_reading, holds, m_chart.BirthNumber.result(), m_reading.LifePathNumber);
        showGrid();
    });
}

QWidget* frmChart::createGridTab()
{
    auto* content = new QWidget;
    createAddNumbersBox(content);

    // The square as it is drawn: 4 9 2 / 3 5 7 / 8 1 6.
    auto* square = new QGridLayout;
    square->setSpacing(0);
    for (std::size_t row = 0; row < core::LoShuSquare.size(); ++row) {
        for (std::size_t column = 0; column < core::LoShuSquare[row].size(); ++column) {
            const int n = core::LoShuSquare[row][column];
            QLabel* cell = named(new QLabel(content), QStringLiteral("lblCell_%1").arg(n));
            cell->setFont(programFont(14, true));
            cell->setAlignment(Qt::AlignCenter);
            cell->setWordWrap(true);
            cell->setFrameShape(QFrame::Box);
            cell->setMinimumSize(px(1500), px(1500));
            setColours(cell, Colours::White);
            reachable(cell);
            square->addWidget(cell, static_cast<int>(row), static_cast<int>(column));
            lblCell[static_cast<std::size_t>(n)] = cell;
        }
    }

    lblCompleteLines = named(textLabel({}, content), QStringLiteral("lblCompleteLines"));
    lblEmptyLines = named(textLabel({}, content), QStringLiteral("lblEmptyLines"));
    auto* lines = new QVBoxLayout;
    lines->setSpacing(px(90));
    lines->addWidget(heading(tr("Complete lines"), content));
    lines->addWidget(lblCompleteLines);
    lines->addWidget(heading(tr("Empty lines"), content));
    lines->addWidget(lblEmptyLines);
    lines->addStretch();

    auto* top = new QHBoxLayout;
    top->setSpacing(px(300));
    top->addLayout(square);
    top->addLayout(lines, 1);

    lblNumberNotes = named(textLabel({}, content), QStringLiteral("lblNumberNotes"));
    lblNumberNotes->setTextFormat(Qt::RichText);
    lblGridRule = named(textLabel({}, content, Colours::Teal), QStringLiteral("lblGridRule"));

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(px(120), px(120), px(120), px(120));
    layout->setSpacing(px(180));
    layout->addWidget(chkAddNumbers);
    layout->addLayout(top);
    layout->addWidget(heading(tr("What the numbers say"), content));
    layout->addWidget(lblNumberNotes);
    layout->addWidget(lblGridRule);
    layout->addStretch();
    showGrid();
    return scrolled(content, QStringLiteral("tabLoShu"));
}

void frmChart::showGrid()
{
    const core::LoShuGrid& grid = m_chart.Grid;
    for (int n = 1; n <= 9; ++n) {
        QLabel* cell = lblCell[static_cast<std::size_t>(n)];
        cell->setText(cellText(n, grid));
        cell->setAccessibleName(cellDescription(n, grid));
    }
    const auto listed
        = [](const QStringList& lines) { return lines.isEmpty() ? tr("None.") : lines.join(QLatin1String("\n\n")); };
    lblCompleteLines->setText(listed(completeLines(grid)));
    lblEmptyLines->setText(listed(emptyLines(grid)));
    QString notes;
    for (int n = 1; n <= 9; ++n) {
        notes += QStringLiteral("<p><b>%1</b>&nbsp;&nbsp;%2</p>").arg(n).arg(numberNote(n, grid).toHtmlEscaped());
    }
    lblNumberNotes->setText(notes);
    lblGridRule->setText(gridRule(chkAddNumbers->isChecked()));
}

QGroupBox* frmChart::createOtherPersonForm(QWidget* page)
{
    auto* other = named(new QGroupBox(tr("The other person"), page), QStringLiteral("fraOther"));
    other->setFont(programFont(NormalPointSize, true));
    setColours(other, Colours::Orange, Colours::Black);
    m_otherInputs = createPersonInputs(other, QStringLiteral("Other"));
    QLabel* nameLabel = named(new QLabel(tr("&Name"), other), QStringLiteral("lblOtherName"));
    QLabel* dateLabel = named(new QLabel(tr("Birth &Date"), other), QStringLiteral("lblOtherDate"));
    QLabel* recentLabel = named(new QLabel(tr("R&ecent readings"), other), QStringLiteral("lblRecent"));
    cboRecent = named(new QComboBox(other), QStringLiteral("cboRecent"));
    cboRecent->setFont(programFont());
    setColours(cboRecent, Colours::White, Colours::DarkGrey);
    cboRecent->setAccessibleName(tr("Recent readings"));
    cboRecent->setAccessibleDescription(tr("Recent readings"));
    cboRecent->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cboRecent->setMinimumContentsLength(16);
    for (QLabel* label : {nameLabel, dateLabel, recentLabel}) {
        label->setFont(programFont());
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setColours(label, Colours::Orange);
    }
    nameLabel->setBuddy(m_otherInputs.name);
    dateLabel->setBuddy(m_otherInputs.day);
    recentLabel->setBuddy(cboRecent);

    cmdCompare = button(tr("Com&pare"), other, QStringLiteral("cmdCompare"));
    cmdOpenOther = button(tr("&Open Reading…"), other, QStringLiteral("cmdOpenOther"));

    auto* form = new QGridLayout(other);
    form->setContentsMargins(px(105), px(150), px(90), px(150));
    form->setHorizontalSpacing(px(75));
    form->setVerticalSpacing(px(105));
    form->addWidget(nameLabel, 0, 0);
    form->addWidget(m_otherInputs.name, 0, 1, 1, 3);
    form->addWidget(cmdCompare, 0, 4);
    form->addWidget(dateLabel, 1, 0);
    form->addWidget(m_otherInputs.day, 1, 1);
    form->addWidget(m_otherInputs.month, 1, 2);
    form->addWidget(m_otherInputs.year, 1, 3);
    form->addWidget(recentLabel, 2, 0);
    form->addWidget(cboRecent, 2, 1, 1, 3);
    form->addWidget(cmdOpenOther, 2, 4);
    form->setColumnStretch(2, 1);
    return other;
}

QWidget* frmChart::createCompatibilityTab()
{
    auto* page = named(new QWidget, QStringLiteral("tabCompatibility"));
    setColours(page, Colours::White, Colours::Black);

    QGroupBox* other = createOtherPersonForm(page);
    cmdExportComparison = button(tr("E&xport as PDF…"), page, QStringLiteral("cmdExportComparison"));
    cmdPrintComparison = button(tr("Pr&int…"), page, QStringLiteral("cmdPrintComparison"));
    cmdExportComparison->setEnabled(false);
    cmdPrintComparison->setEnabled(false);

    txtComparison = named(new QTextBrowser(page), QStringLiteral("txtComparison"));
    txtComparison->setFont(programFont());
    txtComparison->setOpenLinks(false);
    txtComparison->setFrameShape(QFrame::NoFrame);
    setColours(txtComparison, Colours::White, Colours::Black);
    txtComparison->setAccessibleName(tr("Compatibility"));
    txtComparison->setPlainText(tr("Type the other person's name and birth date and choose Compare, or open "
                                   "their saved reading, to see how your numbers regard each other."));

    auto* paper = new QHBoxLayout;
    paper->addStretch();
    paper->addWidget(cmdExportComparison);
    paper->addWidget(cmdPrintComparison);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(px(120), px(120), px(120), px(120));
    layout->setSpacing(px(120));
    layout->addWidget(other);
    layout->addWidget(txtComparison, 1);
    layout->addLayout(paper);

    connectComparison();
    return page;
}

void frmChart::connectComparison()
{
    fillRecentReadings();
    connect(cmdCompare, &QPushButton::clicked, this, &frmChart::compareTyped);
    connect(m_otherInputs.name, &QLineEdit::returnPressed, this, &frmChart::compareTyped);
    connect(cmdOpenOther, &QPushButton::clicked, this, [this] {
        const QString path = chooseReadingToOpen(this);
        if (!path.isEmpty()) {
            compareWithFile(path);
        }
    });
    connect(cboRecent, &QComboBox::activated, this, [this](int index) {
        const QString path = cboRecent->itemData(index).toString();
        if (!compareWithFile(path)) {
            // A file that is refused leaves the list, as the main window's.
            sys::forgetRecentReading(path);
        }
        fillRecentReadings();
    });
    const auto paperOf = [this] { return comparisonPaper(m_reading, *m_other); };
    const auto names = [this] {
        return tr("%1 and %2").arg(sys::fromCore(m_reading.PersonName), sys::fromCore(m_other->PersonName));
    };
    const PaperMessages messages{tr("The comparison could not be exported to \"%1\".\n\n%2"),
        tr("The comparison could not be printed to \"%1\".\n\n%2"),
        tr("The comparison could not be printed on \"%1\".")};
    connect(cmdExportComparison, &QPushButton::clicked, this,
        [this, paperOf, names, messages] { exportPaper(this, names(), paperOf(), messages); });
    connect(cmdPrintComparison, &QPushButton::clicked, this,
        [this, paperOf, names, messages] { printPaper(this, names(), paperOf(), messages); });
}

void frmChart::fillRecentReadings()
{
    cboRecent->clear();
    for (const sys::RecentReading& recent : sys::recentReadings()) {
        cboRecent->addItem(recent.personName, recent.path);
        cboRecent->setItemData(cboRecent->count() - 1, QDir::toNativeSeparators(recent.path), Qt::ToolTipRole);
    }
    cboRecent->setCurrentIndex(-1);
    cboRecent->setPlaceholderText(cboRecent->count() > 0 ? tr("Choose a reading") : tr("None yet"));
    cboRecent->setEnabled(cboRecent->count() > 0);
}

void frmChart::compareTyped()
{
    const core::ReadingInput input = typedInput(m_otherInputs);
    if (checkInput(this, input, m_otherInputs.name)) {
        compareWith(input);
    }
}

bool frmChart::compareWithFile(const QString& path)
{
    const std::optional<core::ReadingInput> input = sys::readReadingFile(path);
    if (!input) {
        refuseReadingFile(this);
        return false;
    }
    sys::noteRecentReading(path, sys::fromCore(input->PersonName));
    compareWith(*input);
    return true;
}

void frmChart::compareWith(const core::ReadingInput& other)
{
    showInput(m_otherInputs, other);
    m_other = core::completeReading(other);
    auto* document = new QTextDocument(txtComparison);
    document->setDefaultFont(txtComparison->font());
    document->setHtml(
        comparisonHtml(m_reading, *m_other, *document, ComparisonFor::Screen, txtComparison->devicePixelRatioF()));
    txtComparison->setDocument(document);
    cmdExportComparison->setEnabled(true);
    cmdPrintComparison->setEnabled(true);
}

void frmChart::showModal(
    QWidget* parent, const core::Reading& reading, Tab tab, const std::optional<core::ReadingInput>& other)
{
    frmChart chart(reading, parent);
    chart.tabChart->setCurrentIndex(static_cast<int>(tab));
    if (other) {
        chart.compareWith(*other);
    }
    chart.exec();
}

} // namespace ui

#include "ui/chart/frmChart.h"

#include "core/catalogue/BeadCatalogue.h"
#include "system/CoreText.h"
#include "system/ProgramNames.h"
#include "system/Settings.h"
#include "ui/chart/ChartWords.h"
#include "ui/widgets/Look.h"
#include "ui/widgets/Named.h"
#include "ui/widgets/ReadingPage.h"
#include "ui/widgets/WindowPlacement.h"

#include <QCheckBox>
#include <QDate>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
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

    auto* buttons = named(new QDialogButtonBox(QDialogButtonBox::Close, this), QStringLiteral("buttons"));
    QPushButton* cmdClose = named(buttons->button(QDialogButtonBox::Close), QStringLiteral("cmdClose"));
    setColours(cmdClose, Colours::Black, Colours::ButtonGrey);
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

QWidget* frmChart::createGridTab()
{
    auto* content = new QWidget;
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

void frmChart::showModal(QWidget* parent, const core::Reading& reading, Tab tab)
{
    frmChart chart(reading, parent);
    chart.tabChart->setCurrentIndex(static_cast<int>(tab));
    chart.exec();
}

} // namespace ui

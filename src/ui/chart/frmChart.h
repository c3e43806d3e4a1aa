#pragma once

#include "core/numerology/Chart.h"
#include "core/numerology/Reading.h"

#include "ui/widgets/PersonInputs.h"

#include <QDialog>

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QVBoxLayout;

namespace ui {

// The chart of a reading, modal over the result window: the birth number's
// page, as the two numbers' pages are, every number of the reading in a
// table, and the Lo Shu grid of the birth date with its lines and what its
// numbers say; and the reading compared with another person's, typed, opened
// or chosen from the recent readings, on screen and on paper. Made when it is
// opened; reopens where it was left, at its size; Esc and Close shut it.
class frmChart final : public QDialog {
    Q_OBJECT

public:
    enum class Tab { BirthNumber, AllNumbers, LoShuGrid, Compatibility };

    frmChart(const core::Reading& reading, QWidget* parent);

    // Shows the chart of reading modally over parent, tab in front, and
    // waits until it closes; with other, compared with that person's.
    static void showModal(QWidget* parent, const core::Reading& reading, Tab tab = Tab::BirthNumber,
        const std::optional<core::ReadingInput>& other = std::nullopt);

    // Compares the reading with other's, shown in the form, as Compare does.
    void compareWith(const core::ReadingInput& other);

private:
    QWidget* createBirthNumberTab();
    QWidget* createNumbersTab();
    QWidget* createGridTab();
    // Writes the grid, its lines and its notes anew, as the choice of the
    // added numbers stands.
    void showGrid();
    void createAddNumbersBox(QWidget* content);
    QWidget* createCompatibilityTab();
    // The other person's inputs, Compare, Open Reading and the recent readings.
    QGroupBox* createOtherPersonForm(QWidget* page);
    void connectComparison();
    // Compare: the other person as typed, once the input passes the check.
    void compareTyped();
    // The other person from a reading file, read and refused as Open does;
    // false when refused.
    bool compareWithFile(const QString& path);
    void fillRecentReadings();

    core::Reading m_reading;
    core::Chart m_chart;

    QTabWidget* tabChart = nullptr;
    QCheckBox* chkAddNumbers = nullptr;
    std::array<QLabel*, 10> lblCell{}; // by the digit, 1 to 9
    QLabel* lblCompleteLines = nullptr;
    QLabel* lblEmptyLines = nullptr;
    QLabel* lblNumberNotes = nullptr;
    QLabel* lblGridRule = nullptr;

    std::optional<core::Reading> m_other;
    PersonInputs m_otherInputs;
    QPushButton* cmdCompare = nullptr;
    QPushButton* cmdOpenOther = nullptr;
    QComboBox* cboRecent = nullptr;
    QTextBrowser* txtComparison = nullptr;
    QPushButton* cmdExportComparison = nullptr;
    QPushButton* cmdPrintComparison = nullptr;
};

} // namespace ui

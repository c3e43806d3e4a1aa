#pragma once

#include "core/numerology/Chart.h"
#include "core/numerology/Reading.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QLabel;
class QTabWidget;
class QVBoxLayout;

namespace ui {

// The chart of a reading, modal over the result window: the birth number's
// page, as the two numbers' pages are, every number of the reading in a
// table, and the Lo Shu grid of the birth date with its lines and what its
// numbers say. Made when it is opened; reopens where it was left, at its
// size; Esc and Close shut it.
class frmChart final : public QDialog {
    Q_OBJECT

public:
    enum class Tab { BirthNumber, AllNumbers, LoShuGrid };

    frmChart(const core::Reading& reading, QWidget* parent);

    // Shows the chart of reading modally over parent, tab in front, and
    // waits until it closes.
    static void showModal(QWidget* parent, const core::Reading& reading, Tab tab = Tab::BirthNumber);

private:
    QWidget* createBirthNumberTab();
    QWidget* createNumbersTab();
    QWidget* createGridTab();
    // Writes the grid, its lines and its notes anew, as the choice of the
    // added numbers stands.
    void showGrid();

    core::Reading m_reading;
    core::Chart m_chart;

    QTabWidget* tabChart = nullptr;
    QCheckBox* chkAddNumbers = nullptr;
    std::array<QLabel*, 10> lblCell{}; // by the digit, 1 to 9
    QLabel* lblCompleteLines = nullptr;
    QLabel* lblEmptyLines = nullptr;
    QLabel* lblNumberNotes = nullptr;
    QLabel* lblGridRule = nullptr;
};

} // namespace ui

#pragma once

#include "core/numerology/Reading.h"

#include "ui/widgets/PersonInputs.h"
#include "ui/widgets/WindowFrame.h"

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class PromotionStrip;

// Where a reading starts: a name, a birth date, and the command that computes
// the reading and hands it on. Also opens saved readings.
class frmMain final : public WindowFrame {
    Q_OBJECT

public:
    frmMain();

    // Brings the co-branding offer (true) or the fully branded offer to the front.
    void showCoBrandOffer(bool coBrand);

    // Opens the reading file at path as Open does once a file is chosen: a
    // good reading is handed on (true) and listed among the recent readings
    // once it is on screen, any other file is refused with a message (false).
    bool openReadingFile(const QString& path);

signals:
    // The user asked for the reading of an input that passed the check (typed
    // and proceeded with, or opened from a file). The main window closes right
    // after, without ending the program.
    void readingRequested(const core::ReadingInput& input);
    // The user chose two saved readings in the register to compare, first the
    // one nearer the top of its list. The main window closes right after.
    void comparisonRequested(const core::ReadingInput& first, const core::ReadingInput& second);

protected:
    // One reading file dropped on the window opens as Open opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createGuidanceLabels();
    void createInputs();
    void createButtons();
    void layOutControls();
    void connectControls();
    void loadForm();
    // Whether the input may be used for a reading; shows a message when not.
    bool Validate_Input(const core::ReadingInput& input);
    void proceed();
    // Open: a reading file the user picks, shown as a new reading.
    void OpenReading();
    // File › Readings…: the register of saved readings; the reading chosen
    // there opens as Open opens it, two chosen are compared.
    void showReadings();
    // Reads both files as Open reads them, refusing either as Open does, and
    // asks for their comparison.
    void compareReadingFiles(const QString& first, const QString& second);
    // Hands the input on and closes this window without ending the program.
    void handOver(const core::ReadingInput& input);

    std::array<QLabel*, 3> lblLabel{}; // elements 1 and 2 are used
    QPushButton* cmdOpen = nullptr;
    QLabel* Label4 = nullptr;
    QGroupBox* fraDetails = nullptr;
    QLabel* Label1 = nullptr;
    PersonInputs m_inputs;
    QLineEdit* txtName = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    QPushButton* cmdProceed = nullptr;
    PromotionStrip* fraFullBrand = nullptr;
};

} // namespace ui

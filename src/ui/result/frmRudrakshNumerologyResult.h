#pragma once

#include "core/numerology/Reading.h"

#include "ui/widgets/Paper.h"
#include "ui/widgets/WindowFrame.h"

class QAction;
class QPushButton;
class QTabBar;

namespace ui {

class FrontPageLayout;
class PromotionStrip;
class ReadingPage;

// Shows one reading on two pages, the life path page and the destiny page,
// with a tab strip choosing the page in front. Chart shows the reading's
// chart; Save writes the reading to a file; Export as PDF and Print put the
// whole reading on paper, its chart included; Back asks for
// a fresh main window and closes this one without ending the program; every
// other close ends the program.
class frmRudrakshNumerologyResult final : public WindowFrame {
    Q_OBJECT

public:
    frmRudrakshNumerologyResult();

    // Composes both pages from the reading in the reader's language, keeps it
    // for Save, Export and Print (and for showing it anew in another
    // language), and shows the window.
    void showReading(const core::Reading& reading);

    // The reading shown.
    const core::Reading& reading() const { return m_reading; }

    // The chart of the reading on its compatibility tab, compared with
    // other's, modal over the window.
    void showComparison(const core::ReadingInput& other);

signals:
    // Back was chosen: a fresh main window should come up. The window closes
    // itself right after.
    void backRequested();

private:
    void createMenus();
    void createPages();
    void createButtons();
    void layOutControls();
    void connectControls();
    // Writes the number, its text and its bead on each page; a number outside
    // 1 to 9 leaves its page as loaded.
    void ComposeReading(const core::Reading& reading);
    // Writes the five input fields of the reading to a file the user picks.
    void SaveReading();
    // Where the name has letters that a reading file cannot hold, says which
    // and how the name will be saved: true to save all the same.
    bool acceptLettersLeftOut();
    // Writes the whole reading as a PDF document to a file the user picks.
    void exportReading();
    // Prints the same document on a printer the user picks.
    void printReading();
    // What Export and Print say when they fail.
    static PaperMessages paperMessages();
    // Tells that the reading could not be written to the file at path, and why:
    // message holds %1 for the path and %2 for the reason.
    void showFileError(const QString& message, const QString& path, const QString& reason);
    void goBack();
    // The chart of the reading, modal over the window.
    void showChart();
    // Brings the page of tab index to the front.
    void selectPage(int index);

    QTabBar* TS = nullptr;
    ReadingPage* fraLifePath = nullptr;
    ReadingPage* fraDestiny = nullptr;
    PromotionStrip* fraFullBrand = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdChart = nullptr;
    QAction* mnuBack = nullptr;
    QAction* mnuChart = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuPrint = nullptr;

    QWidget* m_pagesWidget = nullptr;
    FrontPageLayout* m_pages = nullptr;
    core::Reading m_reading;
};

} // namespace ui

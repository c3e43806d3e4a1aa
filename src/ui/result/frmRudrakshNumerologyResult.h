#pragma once

#include "core/numerology/Reading.h"

#include <QMainWindow>

class QAction;
class QMenu;
class QPushButton;
class QStackedLayout;
class QTabBar;

namespace ui {

class LinkLabel;
class PromotionStrip;
class ReadingPage;

// Shows one reading on two pages, the life path page and the destiny page,
// with a tab strip choosing the page in front. Save writes the reading to a
// file; Export as PDF and Print put the whole reading on paper; Back asks for
// a fresh main window and closes this one without ending the program; every
// other close ends the program.
class frmRudrakshNumerologyResult final : public QMainWindow {
    Q_OBJECT

public:
    explicit frmRudrakshNumerologyResult(QWidget* parent = nullptr);

    // Composes both pages from the reading, keeps it for Save, Export and
    // Print, and shows the window.
    void showReading(const core::Reading& reading);

signals:
    // Back was chosen: a fresh main window should come up. The window closes
    // itself right after.
    void backRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateControls();
    // Writes the number, its text and its bead on each page; a number outside
    // 1 to 9 leaves its page as loaded.
    void ComposeReading(const core::Reading& reading);
    // Writes the five input fields of the reading to a file the user picks.
    void SaveReading();
    // Writes the whole reading as a PDF document to a file the user picks.
    void ExportReading();
    // Prints the same document on a printer the user picks.
    void PrintReading();
    // Tells that the reading could not be "saved to" (done) the file at path, and why.
    void showFileError(const QString& done, const QString& path, const QString& reason);
    void Back();
    void TS_Click(int index);

    LinkLabel* Label61 = nullptr;
    QTabBar* TS = nullptr;
    ReadingPage* fraLifePath = nullptr;
    ReadingPage* fraDestiny = nullptr;
    PromotionStrip* fraFullBrand = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdBack = nullptr;
    QMenu* mnuFile = nullptr;
    QAction* mnuBack = nullptr;
    QAction* mnuExport = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuExit = nullptr;

    QStackedLayout* m_pages = nullptr;
    core::Reading m_reading;
    bool m_backClose = false;
};

} // namespace ui

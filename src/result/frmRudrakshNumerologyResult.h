#pragma once

#include "desktop/DefaultInstance.h"

#include <QMainWindow>

#include <array>

class ImageList;
class LinkLabel;
class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QStackedLayout;
class QTabBar;

// Shows one reading on two pages, the life path page and the destiny page,
// with a tab strip choosing the page in front. Back returns to a fresh main
// window; every other close ends the program.
class frmRudrakshNumerologyResult final : public QMainWindow, public DefaultInstance<frmRudrakshNumerologyResult> {
    Q_OBJECT

public:
    explicit frmRudrakshNumerologyResult(QWidget* parent = nullptr);
    ~frmRudrakshNumerologyResult() override;
    frmRudrakshNumerologyResult(const frmRudrakshNumerologyResult&) = delete;
    frmRudrakshNumerologyResult& operator=(const frmRudrakshNumerologyResult&) = delete;

    // The two picture lists, addressed by position 1 to 9.
    const ImageList& IMG1;
    const ImageList& IMG2;

    LinkLabel* Label61 = nullptr;
    QTabBar* TS = nullptr;
    QWidget* fraLifePath = nullptr;
    QWidget* fraDestiny = nullptr;
    QWidget* fraFullBrand = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdBack = nullptr;

    // Page p (0 life path, 1 destiny): lblResult(10p..10p+9), txtResult(3p..3p+2),
    // imgImage(2p, 2p+1). Captions: lblLabels(k) on the life path page,
    // lblLabels(19 - k) on the destiny page; 0 and 19 are the headings.
    std::array<QLabel*, 20> lblLabels{};
    std::array<QLabel*, 20> lblResult{};
    std::array<QPlainTextEdit*, 6> txtResult{};
    std::array<QLabel*, 4> imgImage{};

    QMenu* mnuFile = nullptr;
    QAction* mnuBack = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;

    // Writes the five input fields of the current reading to a file the user picks.
    void SaveReading();
    // Shows a fresh main window and closes this one without ending the program.
    void Back();
    // Puts picture `bead` of IMG1 and picture `planet` of IMG2 on page 0 or 1.
    void ShowPictures(int page, int bead, int planet);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateControls();
    QWidget* CreatePage(int page);
    void LoadForm();
    void TS_Click(int index);

    QStackedLayout* m_pages = nullptr;
    bool m_backClose = false;
};

#pragma once

#include "desktop/DefaultInstance.h"
#include "desktop/PromotionStrip.h"

#include <QMainWindow>

#include <array>

class LinkLabel;
class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

// Where a reading starts: a name, a birth date, and the command that computes
// the reading and hands it to the result window. Also opens saved readings.
class frmMain final : public QMainWindow, public DefaultInstance<frmMain> {
    Q_OBJECT

public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;
    frmMain(const frmMain&) = delete;
    frmMain& operator=(const frmMain&) = delete;

    // Whether the input may be used for a reading; shows a message when not.
    bool Validate_Input();
    // The two numbers of the current reading, from its name and birth date.
    void Find_Destiny_No();
    void Find_LifePath_No();

    // Brings the co-branding offer (true) or the fully branded offer to the front.
    void ShowCoBrandOffer(bool coBrand);

    QLabel* Label14 = nullptr;
    std::array<QLabel*, 3> lblLabel{}; // elements 1 and 2 are used
    QPushButton* cmdOpen = nullptr;
    QLabel* Label4 = nullptr;
    QGroupBox* fraDetails = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* Label2 = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    QPushButton* cmdProceed = nullptr;
    QWidget* fraFullBrand = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    void CreateControls();
    void LoadForm();
    void cmdProceed_Click();
    void cmdOpen_Click();
    // The file picked in the Open dialog, or an empty text on Cancel.
    QString ChooseReadingFile();
    // Computes, composes and shows the current reading, then closes this window
    // without ending the program.
    void ShowReading();

    PromotionStrip m_promotions;
    bool m_readingClose = false;
};

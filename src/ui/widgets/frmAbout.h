#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace ui {

class LinkLabel;

// Names the program and its version and links to the maker's pages; closes
// with OK, Enter, Esc or the close box. A link click leaves it open.
class frmAbout final : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Shows a new About window modally over parent and waits until it closes.
    static void showModal(QWidget* parent);

private:
    void createControls();
    void layOutControls();

    QLabel* picIcon = nullptr;
    QPushButton* cmdOK = nullptr;
    LinkLabel* lblHomePage = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblCobrand = nullptr;
    QWidget* Line2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
};

} // namespace ui

#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace ui {

class LiveFolder;
class PathLabel;
class ReadingsFilter;
class ReadingsModel;

// The register of the readings saved, modal over the main window: every
// reading of the readings folder and of the folders inside it, one row each,
// found by typing part of the name, sorted by any column. It shows at once
// and fills as the folder is read on a thread of its own, and follows the
// folder while it is open. Enter or a double click chooses a reading to open;
// two selected can be chosen to compare. Reopens where it was left; Esc and
// Close shut it.
class frmReadings final : public QDialog {
    Q_OBJECT

public:
    explicit frmReadings(QWidget* parent);
    ~frmReadings() override;
    frmReadings(const frmReadings&) = delete;
    frmReadings& operator=(const frmReadings&) = delete;

    // Once accepted: the reading to open, or the two to compare, the one
    // nearer the top of the list first.
    QStringList chosen() const { return m_chosen; }

    // Whether the folder is still being read.
    bool isFilling() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void layOutControls();
    void connectControls();
    // Reads folder anew into the list.
    void showFolder(const QString& folder);
    void showCount();
    void showNotReadingsLine();
    void showButtons();
    // Selects the first row shown where none is, so that Enter opens it.
    void selectSomething();
    // The selected readings' paths, from the top of the list down.
    QStringList selectedPaths() const;
    void choose(const QStringList& paths);
    void changeFolder();
    void listNotReadings();

    QString m_folder;
    bool m_unreadable = false; // the folder cannot be listed
    QStringList m_chosen;
    ReadingsModel* m_model = nullptr;
    ReadingsFilter* m_filter = nullptr;
    LiveFolder* m_live = nullptr;

    QLabel* lblSearch = nullptr;
    QLineEdit* txtSearch = nullptr;
    QTableView* tblReadings = nullptr;
    QLabel* lblCount = nullptr;
    QLabel* lblProgress = nullptr;
    QLabel* lblNotReadings = nullptr;
    QPushButton* cmdNotReadings = nullptr;
    QLabel* lblFolderCaption = nullptr;
    PathLabel* lblFolder = nullptr;
    QPushButton* cmdChangeFolder = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdCompare = nullptr;
    QPushButton* cmdClose = nullptr;
};

} // namespace ui

#pragma once

#include <QMainWindow>

class QAction;
class QMenu;
class QVBoxLayout;

namespace ui {

class LinkLabel;

// The frame the main window and the result window share: their name, caption,
// font and black background, and the place they are left in; a menu bar with the File menu (filled by the
// window), the Help menu and Donate; a central widget at least the size of the
// design's client area, with the forum banner centred at its top. A close
// asks for the program's end, unless the window closes to hand over to the
// other one.
class WindowFrame : public QMainWindow {
    Q_OBJECT

public:
    // Closes the window as a hand-over to another window: the program goes on.
    void closeForHandOver();

signals:
    // The user closed the window (its close box, Exit, the desktop's close):
    // the program should end. The window has closed when this is told.
    void endRequested();

protected:
    // clientTwips: the design's client area; bannerName and bannerTwips: the
    // banner's control name and its widest extent.
    WindowFrame(const QString& objectName, QSize clientTwips, const QString& bannerName, int bannerTwips);

    QMenu* fileMenu() const { return m_fileMenu; }
    // Appends "E&xit" (Ctrl+Q) to the File menu and returns it: it closes the
    // window as the user's close.
    QAction* addExitEntry();

    QWidget* central() const { return m_central; }
    // The central widget's column, the banner row already in it.
    QVBoxLayout* column() const { return m_column; }
    LinkLabel* banner() const { return m_banner; }

    void closeEvent(QCloseEvent* event) override;

private:
    QMenu* m_fileMenu = nullptr;
    QWidget* m_central = nullptr;
    QVBoxLayout* m_column = nullptr;
    LinkLabel* m_banner = nullptr;
    bool m_handOver = false;
};

} // namespace ui

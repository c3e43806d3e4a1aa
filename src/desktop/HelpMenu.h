#pragma once

class QAction;
class QMainWindow;
class QMenu;

// The Help menu and the Donate command that the main window and the result
// window share.
struct HelpMenu {
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
};

// Appends "&Help" and "&Donate" to the window's menu bar and connects them.
HelpMenu AddHelpMenu(QMainWindow* window);

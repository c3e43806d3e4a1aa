#pragma once

class QMainWindow;

namespace ui {

// Appends the Help menu ("&Help") and the Donate command ("&Donate") that the
// main window and the result window share to the window's menu bar, and
// connects them.
void addHelpMenu(QMainWindow* window);

} // namespace ui

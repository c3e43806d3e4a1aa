#pragma once

class QWidget;

namespace ui {

// Keeps the window where the user last left it: when it closes, its position
// and, if the user resized it, its size go to the per-user settings under its
// object name; when it next shows, it comes up there. A position off every
// screen is ignored, and so is the position on Wayland, where the desktop
// places windows.
void keepWindowPlacement(QWidget* window);

} // namespace ui

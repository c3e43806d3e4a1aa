#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures and icons compiled into the program.
namespace ui {

// The program icon: the desktop theme's, else our own in every size.
QIcon programIcon();

// The photograph of the bead with n faces, n from 1 to 9; a null picture for
// any other n.
QPixmap beadPicture(int n);

// The glyph of the planet that rules n, n from 1 to 9 (8 and 9 are blank); a
// null picture for any other n.
QPixmap planetPicture(int n);

} // namespace ui

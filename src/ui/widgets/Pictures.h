#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures and icons compiled into the program.
namespace ui {

// The program icon: the desktop theme's, else our own in every size.
QIcon programIcon();

// The photograph of the bead with n faces, n from 1 to 9, for a screen of that
// pixel ratio (Qt picks the @2x drawing where the 1x one has too few pixels);
// a null picture for any other n.
QPixmap beadPicture(int n, qreal devicePixelRatio = 1.0);

// The glyph of the planet that rules n, n from 1 to 9 (8 and 9 are blank), in
// the same way.
QPixmap planetPicture(int n, qreal devicePixelRatio = 1.0);

} // namespace ui

#pragma once

#include <QIcon>

// The pictures and icons compiled into the program.
namespace Resources {

// Registers the compiled-in pictures; safe to call any number of times.
void Init();

// The program icon: the desktop theme's, else our own in every size.
QIcon ProgramIcon();

} // namespace Resources

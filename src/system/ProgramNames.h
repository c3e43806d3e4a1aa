#pragma once

#include <QString>

// The program's names, which key its settings and caption its windows.
namespace sys {

// The organization's names and the version, set once before anything reads
// the settings. The application name stays the executable's base name, which
// names the settings file (and the registry key on Windows).
void setUpProgramNames();

// The program's title, the caption of every message box.
QString ApplicationTitle();

// The caption of the program's windows: the title and the major and minor
// version, "VQ Rudraksha Numerology v1.0".
QString programCaption();

} // namespace sys

#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// Fonts and colours shared by the program's windows.
namespace Look {

inline const QColor Black(0, 0, 0);
inline const QColor White(255, 255, 255);
inline const QColor Orange(255, 128, 0);
inline const QColor DarkGrey(64, 64, 64);
inline const QColor ButtonGrey(192, 192, 192);
inline const QColor Teal(0, 192, 192);
inline const QColor DarkTeal(0, 168, 168);
inline const QColor Cyan(0, 255, 255);

inline constexpr double NormalPointSize = 8.25;

// Verdana where it is installed, DejaVu Sans (the same advances) elsewhere.
QFont Font(double pointSize = NormalPointSize, bool bold = false, bool underline = false);

// Text colour and background of a widget; an invalid background leaves the
// parent's showing through.
void SetColours(QWidget* widget, const QColor& text, const QColor& background = QColor());

// The common start of the two working windows: name, caption, font, black
// background, and deletion when the window closes.
void SetUpWorkingWindow(QWidget* window, const QString& objectName);

// Twips of the window designs to device-independent pixels (15 twips each).
constexpr int Px(int twips)
{
    return (twips + 7) / 15;
}

} // namespace Look

#pragma once

#include <QColor>
#include <QFont>

class QWidget;

// Fonts and colours shared by the program's windows.
namespace ui {

struct Colours {
    static inline const QColor Black{0, 0, 0};
    static inline const QColor White{255, 255, 255};
    static inline const QColor Orange{255, 128, 0};
    static inline const QColor DarkGrey{64, 64, 64};
    static inline const QColor ButtonGrey{192, 192, 192};
    static inline const QColor Teal{0, 192, 192};
    static inline const QColor DarkTeal{0, 168, 168};
    static inline const QColor Cyan{0, 255, 255};
};

inline constexpr double NormalPointSize = 8.25;

// The look every window of the program shares, set once on the application
// before any window: the Fusion style, which honours the palette everywhere,
// and no cache of the style's drawings.
void setUpLook();

// Verdana where it is installed, DejaVu Sans (the same advances) elsewhere.
QFont programFont(double pointSize = NormalPointSize, bool bold = false, bool underline = false);

// Text colour and background of a widget; an invalid background leaves the
// parent's showing through.
void setColours(QWidget* widget, const QColor& text, const QColor& background = QColor());

// Twips of the window designs to device-independent pixels (15 twips each).
constexpr int px(int twips)
{
    return (twips + 7) / 15;
}

} // namespace ui
